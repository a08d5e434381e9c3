#include "help/HelpFile.h"
#include "help/HelpWindow.h"
#include "help/ViewerInstance.h"

#include <QApplication>
#include <QDir>

// palabrino-ayuda [FILE]: shows a compiled help file, "ayuda.chm" by default,
// found in the program's own folder or else in the current folder. While a
// viewer shows that file, starting another brings the first to the front.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    // Qt has taken its own options out of argv by now.
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ayuda.chm");
    const QString file =
        locateHelpFile(name, QCoreApplication::applicationDirPath(), QDir::currentPath())
            .value_or(name);
    ViewerInstance instance(file);
    if (!instance.claim())
        return 0;
    HelpWindow window(file);
    QObject::connect(&instance, &ViewerInstance::raiseRequested, &window,
                     [&window] { bringToFront(window); });
    window.show();
    return app.exec();
}
