#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Platform.h"

#include <QApplication>

#ifdef PALABRINO_FIRST_PAINT_PROBE
#include "FirstPaintProbe.h"
#endif

int main(int, char** argv)
{
    // The game takes no command line: Qt is shown the program name only.
    int programNameOnly = 1;
    QApplication app(programNameOnly, argv);
    // One style everywhere, so that coloured buttons look alike on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerDesignFonts();

    DesktopPlatform platform;
    Form1 form1(QCoreApplication::applicationDirPath(), platform);
#ifdef PALABRINO_FIRST_PAINT_PROBE
    FirstPaintProbe probe(form1);
#endif
    form1.show();
    return app.exec();
}
