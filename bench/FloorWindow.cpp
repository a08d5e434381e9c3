// The floor for start-up: a bare Qt Widgets window with no data and no logic,
// of the size given on the command line, that quits after its first paint.
#include "FirstPaintProbe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QWidget window;
    if (arguments.size() == 3)
        window.resize(arguments[1].toInt(), arguments[2].toInt());
    FirstPaintProbe probe(window);
    window.show();
    return app.exec();
}
