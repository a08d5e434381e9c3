#include "dialogs/help/HelpFile.h"
#include "dialogs/help/HelpWindow.h"

#include <QApplication>
#include <QDir>

// palabrino-ayuda [FILE]: shows a compiled help file, "ayuda.chm" by default,
// found in the current folder or else in the program's own folder.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Qt has taken its own options out of argv by now.
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ayuda.chm");
    const auto file =
        locateHelpFile(name, {QDir::currentPath(), QCoreApplication::applicationDirPath()});
    HelpWindow window(file.value_or(name));
    window.show();
    return app.exec();
}
