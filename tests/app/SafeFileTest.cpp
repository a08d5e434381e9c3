#include "app/SafeFile.h"
#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

// Would catch a replacement that is not atomic (a file killed half-written or
// emptied, at moments spread over 20 ms of writing), a write that ignores
// another writer's lock, or a killed writer's lock or leftovers that block,
// get into or litter later writes.
TEST(SafeFile, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    TempAppFolder app;
    const QByteArray withShort = "[Carga]\r\nk=corto\r\n";
    const QByteArray withLong = "[Carga]\r\nk=" + QByteArray(3000, 'x') + "\r\n";
    app.write("datos.ini", withShort);
    app.write("datos.ini.tmp", "restos de un escritor muerto");

    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(INI_WRITER_HELPER,
                     {"alternate", app.nativeFile("datos.ini"), "corto", QString(3000, u'x')});
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        std::this_thread::sleep_for(std::chrono::microseconds(100 * kill));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        const QByteArray now = app.read("datos.ini");
        ASSERT_TRUE(now == withShort || now == withLong) << "after kill " << kill;
    }

    QProcess holder;
    holder.start(INI_WRITER_HELPER, {"hang", app.nativeFile("datos.ini")});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_FALSE(safefile::replace(
        app.nativeFile("datos.ini"), [](const QByteArray&) { return QByteArray("x"); },
        std::chrono::milliseconds(300)));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(app.exists("datos.ini.lck"));
    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), "Datos", "Cuenta", "2"));
    EXPECT_EQ(app.entries(), QStringList{"datos.ini"});
}

// Would catch a lock file that a killed writer left (empty, or naming a
// process id that a running program has taken since) being taken for a held
// lock, so that writes fail until it is old enough, or staying behind after
// the next write; with accents in the names.
TEST(SafeFile, LockFileOfAKilledWriterNeitherBlocksNorStays)
{
    const QByteArray running = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                               QCoreApplication::applicationName().toUtf8() + '\n' +
                               QSysInfo::machineHostName().toUtf8() + "\n\n";
    const struct {
        const char* left;
        QByteArray lock;
    } cases[] = {
        {"empty", ""},
        {"naming a running program", running},
    };
    for (const auto& [left, lock] : cases) {
        SCOPED_TRACE(left);
        TempAppFolder app;
        app.write("Categorías/Ñandú.ini.lck", lock);
        const ProgramPath file = app.programPath("Categorías/Ñandú.ini");
        EXPECT_TRUE(EscribirIni(file, "Datos", "Cuenta", "3"));
        EXPECT_EQ(LeerIni(file, "Datos", "Cuenta"), QStringLiteral("3"));
        EXPECT_EQ(app.entries("Categorías"), QStringList{"Ñandú.ini"});
    }
}

// Would catch a moment, while two processes write one file, at which a
// reader finds it missing, cut short or with a line of each writer mixed;
// and lost updates: writers that read, change and write it without one lock.
TEST(Concurrency, ReadersFindAWholeFileWhileTwoProcessesWrite)
{
    TempAppFolder app;
    const ProgramPath file = app.programPath("datos.ini");
    ASSERT_TRUE(EscribirIni(file, "Carga", "A0", "0"));
    QProcess first;
    QProcess second;
    for (auto [process, prefix] : {std::pair{&first, "A"}, std::pair{&second, "B"}})
        process->start(INI_WRITER_HELPER,
                       {"write", app.nativeFile("datos.ini"), prefix, "300", "10"});

    const QRegularExpression whole(QStringLiteral("^(\\[Carga\\]\r\n)([AB][0-9]=[0-9]+\r\n)+$"));
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const QString text =
            QString::fromLatin1(safefile::readAll(app.nativeFile("datos.ini")).value_or("missing"));
        ASSERT_TRUE(whole.match(text).hasMatch())
            << "after " << reads << " reads: " << text.toStdString();
        ++reads;
        first.waitForFinished(1);
        second.waitForFinished(1);
    }
    for (QProcess* process : {&first, &second})
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    EXPECT_GT(reads, 50);
    QString last;
    for (const char* key : {"A", "B"})
        for (int n = 0; n < 10; ++n)
            last += LeerIni(file, "Carga", key + QString::number(n)) + ' ';
    EXPECT_EQ(last,
              "290 291 292 293 294 295 296 297 298 299 290 291 292 293 294 295 296 297 298 299 ");
    EXPECT_EQ(app.read("datos.ini").count('\n'), 21);
}

// Would catch a reader that waits on a pipe, reads a device or a folder, or
// takes in a file of any size; and a writer that replaces any of them, or
// refuses a plain file, a link to one or a missing one.
TEST(SafeFile, ReadsAndReplacesOnlyPlainFilesWithinTheLimit)
{
    using safefile::Unread;
    TempAppFolder app;
    app.write("plain.ini", "[A]\r\nk=1\r\n");
    app.sparse("limit.ini", safefile::maxIniBytes);
    app.sparse("over.ini", safefile::maxIniBytes + 1);
    app.write("folder.ini/x", "");
#ifndef Q_OS_WIN
    app.link("link.ini", app.nativeFile("plain.ini"));
    app.pipe("pipe.ini");
    app.link("zero.ini", "/dev/zero");
    app.link("gone.ini", app.nativeFile("nothing"));
#endif
    const struct {
        const char* name;
        std::optional<Unread> why;
    } cases[] = {
        {"plain.ini", {}},
        {"limit.ini", {}},
        {"over.ini", Unread::TooLarge},
        {"folder.ini", Unread::NotAFile},
        {"missing.ini", Unread::Missing},
#ifndef Q_OS_WIN
        {"link.ini", {}},
        {"pipe.ini", Unread::NotAFile},
        {"zero.ini", Unread::NotAFile},
        {"gone.ini", Unread::Missing},
#endif
    };
    const auto shape = [](const QString& path) {
        const QFileInfo entry(path);
        return entry.isSymLink() ? "link to " + entry.symLinkTarget()
               : entry.isDir()   ? QStringLiteral("folder")
               : entry.isFile()  ? QString::number(entry.size())
                                 : QStringLiteral("other");
    };
    for (const auto& [name, why] : cases) {
        SCOPED_TRACE(name);
        const QString path = app.nativeFile(name);
        const safefile::Contents contents = safefile::read(path);
        EXPECT_EQ(contents.bytes.has_value(), !why);
        if (why) {
            EXPECT_EQ(contents.why, *why);
        }
        const QString before = shape(path);
        const bool replaced =
            safefile::replace(path, [](const QByteArray& bytes) { return bytes + "x"; });
        EXPECT_EQ(replaced, !why || why == Unread::Missing);
        if (!replaced) {
            EXPECT_EQ(shape(path), before);
        }
    }
    // Once itself, and once more through its link where there is one.
    EXPECT_TRUE(app.read("plain.ini").startsWith("[A]\r\nk=1\r\nx"));
}
