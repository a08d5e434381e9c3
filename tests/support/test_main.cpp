#include "ui/Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Tests never need a display unless they ask for one (the smoke tests).
    // On Windows the offscreen platform has no fonts: there they draw on the
    // platform the game does, which needs none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
#ifdef Q_OS_WIN
        qputenv("QT_QPA_PLATFORM", "windows");
#else
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    registerDesignFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
