#include "app/Module1.h"
#include "app/QtPrinters.h"
#include "app/SafeFile.h"
#include "support/TempAppFolder.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Would catch a moment, while two processes write one file, at which a
// reader finds it missing, cut short or with a line of each writer mixed;
// and lost updates: writers that read, change and write it without one lock.
TEST(Concurrency, ReadersFindAWholeFileWhileTwoProcessesWrite)
{
    TempAppFolder app;
    const QString file = app.programPath("datos.ini");
    ASSERT_TRUE(EscribirIni(file, "Carga", "A0", "0"));
    QProcess first;
    QProcess second;
    for (auto [process, prefix] : {std::pair{&first, "A"}, std::pair{&second, "B"}})
        process->start(INI_WRITER_HELPER, {"write", file, prefix, "300", "10"});

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
