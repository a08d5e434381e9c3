#include "checker/Comprobar.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return checker::run(QCoreApplication::arguments().mid(1),
                        QCoreApplication::applicationDirPath(), out, err);
}
