#include "app/SafeFile.h"
#include "QtPrinters.h"
#include "app/Module1.h"
#include "support/TempAppFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Starts a writer of its own process and returns once it is at work.
void startWriter(QProcess& writer, const QStringList& arguments)
{
    writer.start(INI_WRITER_HELPER, arguments);
    ASSERT_TRUE(writer.waitForReadyRead(10000));
}

} // namespace

// Would catch a temporary file left behind, the leftover of a killed writer
// blocking the next write or getting into it, or a failed write reported as
// done or leaving the file half written.
TEST(SafeFile, ReplacementLeavesTheNewFileOrTheOldOneAlone)
{
    TempAppFolder app;
    app.write("datos.ini", "; mío\n[Config]\r\nSkin=Azul\r\n");
    app.write("datos.ini.tmp", "restos de un escritor muerto");
    EXPECT_TRUE(EscribirIni(app.programPath("datos.ini"), "Config", "Skin", "Rojo"));
    const QByteArray written = "; mío\n[Config]\r\nSkin=Rojo\r\n";
    EXPECT_EQ(app.read("datos.ini"), written);
    EXPECT_EQ(app.entries(), QStringList{"datos.ini"});

    app.write("datos.ini.tmp/ocupado", "");
    EXPECT_FALSE(EscribirIni(app.programPath("datos.ini"), "Config", "Skin", "Azul"));
    EXPECT_EQ(app.read("datos.ini"), written);
    EXPECT_FALSE(safefile::replace(app.nativeFile("nuevo.ini"),
                                   [](const QByteArray&) { return std::nullopt; }));
    EXPECT_FALSE(app.exists("nuevo.ini"));
}

// Would catch a replacement that is not atomic (a file killed half-written or
// emptied, at moments spread over 20 ms of writing), a write that ignores
// another writer's lock, or a killed writer's lock or leftovers that block or
// litter later writes.
TEST(SafeFile, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    const QString shortValue = QStringLiteral("corto");
    const QString longValue = QString(3000, u'x');
    ASSERT_TRUE(EscribirIni(file, "Carga", "k", longValue));
    const QByteArray withLong = app.read("datos.ini");
    ASSERT_TRUE(EscribirIni(file, "Carga", "k", shortValue));
    const QByteArray withShort = app.read("datos.ini");

    for (int kill = 0; kill < 200; ++kill) {
        QProcess writer;
        startWriter(writer, {"alternate", app.nativeFile("datos.ini"), shortValue, longValue});
        std::this_thread::sleep_for(std::chrono::microseconds(100 * kill));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        const QByteArray now = app.read("datos.ini");
        ASSERT_TRUE(now == withShort || now == withLong) << "after kill " << kill;
    }

    QProcess holder;
    startWriter(holder, {"hang", app.nativeFile("datos.ini")});
    EXPECT_FALSE(safefile::replace(
        app.nativeFile("datos.ini"), [](const QByteArray&) { return QByteArray("x"); },
        std::chrono::milliseconds(300)));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(app.exists("datos.ini.lck"));
    EXPECT_TRUE(EscribirIni(file, "Datos", "Cuenta", "2"));
    EXPECT_EQ(app.entries(), QStringList{"datos.ini"});
}
