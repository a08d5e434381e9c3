#include "app/Module1.h"
#include "app/QtPrinters.h"
#include "app/SafeFile.h"
#include "support/TempAppFolder.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Would catch a moment, while two processes write one file, at which a
// reader finds it missing, cut short or with a line of each writer mixed.
TEST(Concurrency, ReadersFindAWholeFileWhileTwoProcessesWrite)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    ASSERT_TRUE(EscribirIni(file, "Carga", "A0", "0"));
    QProcess first;
    QProcess second;
    for (auto [process, prefix] : {std::pair{&first, "A"}, std::pair{&second, "B"}})
        process->start(INI_WRITER_HELPER, {"write", file, prefix, "300", "10"});

    const QRegularExpression line(QStringLiteral("^(\\[Carga\\]|[AB][0-9]=[0-9]+)$"));
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const std::optional<QByteArray> text = safefile::readAll(app.nativeFile("datos.ini"));
        ASSERT_TRUE(text) << "missing after " << reads << " reads";
        ASSERT_TRUE(text->endsWith("\r\n")) << text->toStdString();
        QStringList lines = QString::fromLatin1(*text).split(QStringLiteral("\r\n"));
        lines.removeLast();
        for (const QString& each : lines)
            ASSERT_TRUE(line.match(each).hasMatch()) << text->toStdString();
        ++reads;
        first.waitForFinished(1);
        second.waitForFinished(1);
    }
    for (QProcess* process : {&first, &second})
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    EXPECT_GT(reads, 50);
    EXPECT_EQ(LeerIni(file, "Carga", "B9"), "299");
}
