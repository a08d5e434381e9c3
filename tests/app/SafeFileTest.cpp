#include "app/SafeFile.h"
#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

const QByteArray original = "; mío\n[Config]\r\nSkin=Azul\r\n";

} // namespace

// Would catch a temporary file left behind, the leftover of a killed writer
// blocking the next write or getting into it, or a failed write reported as
// done or leaving the file half written.
TEST(SafeFile, ReplacementLeavesTheNewFileOrTheOldOneAlone)
{
    TempAppFolder app;
    app.write("datos.ini", original);
    app.write("datos.ini.tmp", "restos de un escritor muerto");
    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), "Config", "Skin", "Rojo"));
    const QByteArray written = "; mío\n[Config]\r\nSkin=Rojo\r\n";
    EXPECT_EQ(app.read("datos.ini"), written);
    EXPECT_EQ(QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"datos.ini"});

    app.write("datos.ini.tmp/ocupado", "");
    EXPECT_FALSE(EscribirIni(app.programPath("datos.ini"), "Config", "Skin", "Azul"));
    EXPECT_EQ(app.read("datos.ini"), written);
    EXPECT_FALSE(safefile::replace(app.nativeFile("nuevo.ini"),
                                   [](const QByteArray&) { return std::nullopt; }));
    EXPECT_FALSE(app.exists("nuevo.ini"));
}

// Would catch a write that ignores another writer's lock, or a lock left by a
// killed writer blocking every later write.
TEST(SafeFile, LockIsHonouredAndTakenOverFromAKilledWriter)
{
    TempAppFolder app;
    app.write("datos.ini", original);
    QProcess writer;
    writer.start(INI_WRITER_HELPER, {"hang", app.nativeFile("datos.ini")});
    ASSERT_TRUE(writer.waitForReadyRead(10000));

    const auto setSkin = [](const QByteArray&) { return std::optional<QByteArray>("x"); };
    EXPECT_FALSE(
        safefile::replace(app.nativeFile("datos.ini"), setSkin, std::chrono::milliseconds(300)));
    writer.kill();
    ASSERT_TRUE(writer.waitForFinished(10000));
    ASSERT_TRUE(app.exists("datos.ini.lck"));

    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), "Config", "Skin", "Rojo"));
    EXPECT_EQ(LeerIni(app.programPath("datos.ini"), "Config", "Skin"), u"Rojo");
}

// Would catch lost updates: two processes that read, change and write the
// same file without one lock around it.
TEST(SafeFile, TwoProcessesWritingAtOnceLoseNothing)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    const int writes = 250;
    const int keys = 10;
    QProcess first;
    QProcess second;
    for (auto [process, prefix] : {std::pair{&first, "A"}, std::pair{&second, "B"}})
        process->start(INI_WRITER_HELPER,
                       {"write", file, prefix, QString::number(writes), QString::number(keys)});

    for (QProcess* process : {&first, &second}) {
        ASSERT_TRUE(process->waitForFinished(120000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    for (const char* prefix : {"A", "B"}) {
        for (int key = 0; key < keys; ++key)
            EXPECT_EQ(LeerIni(file, "Carga", prefix + QString::number(key)),
                      QString::number(writes - keys + key));
    }
    EXPECT_EQ(app.read("datos.ini").count('\n'), 1 + 2 * keys);
}

// Would catch a replacement that is not atomic (a file killed half-written or
// emptied) or a killed writer's leftovers that block or litter later writes.
TEST(SafeFile, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    TempAppFolder app;
    const QString file = app.programPath("Categorias/Animales.ini");
    app.write("Categorias/Animales.ini", "[Datos]\r\nCuenta=1\r\n");
    const QString shortValue = QStringLiteral("corto");
    const QString longValue = QString(3000, u'x');
    ASSERT_TRUE(EscribirIni(file, "Carga", "k", longValue));
    const QByteArray withLong = app.read("Categorias/Animales.ini");
    ASSERT_TRUE(EscribirIni(file, "Carga", "k", shortValue));
    const QByteArray withShort = app.read("Categorias/Animales.ini");

    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> microseconds(0, 20000);
    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        writer.start(INI_WRITER_HELPER, {"alternate", app.nativeFile("Categorias/Animales.ini"),
                                         shortValue, longValue});
        ASSERT_TRUE(writer.waitForReadyRead(10000));
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        const QByteArray now = app.read("Categorias/Animales.ini");
        ASSERT_TRUE(now == withShort || now == withLong)
            << "after kill " << kill << ", " << now.size() << " bytes";
    }

    EXPECT_TRUE(EscribirIni(file, "Datos", "Cuenta", "2"));
    const QString left = LeerIni(file, "Carga", "k");
    EXPECT_TRUE(left == shortValue || left == longValue.first(254));
    EXPECT_EQ(QDir(app.nativeFile("Categorias"))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"Animales.ini"});
}
