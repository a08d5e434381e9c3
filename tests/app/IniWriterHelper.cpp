// Writes to an INI file from a process of its own, for the tests of the lock.
//   write <file> <prefix> <count> <keys>: sets <prefix><i % keys> to i, for i below count
//   hang <file>: takes the file's lock, says "locked" and waits to be killed
//   alternate <file> <a> <b>: sets [Carga] k to a, then b, and so on until killed
#include "app/Module1.h"
#include "app/SafeFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv)
{
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);

    if (args.size() == 2 && args[0] == "hang") {
        safefile::replace(args[1], [](const QByteArray&) -> std::optional<QByteArray> {
            std::puts("locked");
            std::fflush(stdout);
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        });
    } else if (args.size() == 5 && args[0] == "write") {
        bool allWritten = true;
        for (int i = 0; i < args[3].toInt(); ++i)
            allWritten &=
                EscribirIni({args[1], {}}, "Carga", args[2] + QString::number(i % args[4].toInt()),
                            QString::number(i));
        return allWritten ? 0 : 1;
    } else if (args.size() == 4 && args[0] == "alternate") {
        std::puts("writing");
        std::fflush(stdout);
        for (int i = 0;; ++i)
            EscribirIni({args[1], {}}, "Carga", "k", args[2 + i % 2]);
    }
    std::fputs("usage: see the head of IniWriterHelper.cpp\n", stderr);
    return 2;
}
