#include "help/HelpFile.h"
#include "help/ViewerInstance.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Catches another program's help file in the folder the game was started from
// shown instead of ours, a help file missed for the case of its name, a name
// that escapes the folders searched, and a folder taken for a file.
TEST(HelpFile, LooksInTheProgramFolderFirstAndThenInTheCurrentFolder)
{
    TempAppFolder current;
    TempAppFolder program;
    program.write("ayuda.chm/dentro", "x");
    program.write("otra.chm", "programa");
    current.write("Ayuda.CHM", "actual");
    current.write("OTRA.chm", "actual");
    const std::pair<QString, QString> cases[] = {
        {"ayuda.chm", current.nativeFile("Ayuda.CHM")},
        {"otra.CHM", program.nativeFile("otra.chm")},
        {current.nativeFile("Ayuda.CHM"), current.nativeFile("Ayuda.CHM")},
        {"../" + QDir(program.path()).dirName() + "/otra.chm", "-"},
        {"", "-"},
    };
    for (const auto& [name, found] : cases)
        EXPECT_EQ(locateHelpFile(name, program.path(), current.path()).value_or("-"), found)
            << name.toStdString();
}

// Catches every "Ayuda" starting one more viewer, two viewers started at once
// racing past each other, the socket of a killed viewer making every later
// one unreachable, and a request to come forward that never reaches the open
// one or leaves it minimised.
TEST(HelpInstance, OneViewerPerHelpFileEvenWhenStartedAtOnceOrKilled)
{
    TempAppFolder folder;
    folder.write("ayuda.chm", "uno");
    const QString file = folder.nativeFile("ayuda.chm");

    // The viewers inherit the test's offscreen platform.
    QProcess viewers[2];
    for (QProcess& viewer : viewers)
        viewer.start(PALABRINO_AYUDA, {file});
    const auto ended = [&viewers](int i) { return viewers[i].state() == QProcess::NotRunning; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended(0) || ended(1); }, 5000));
    QProcess& left = viewers[ended(0) ? 0 : 1];
    QProcess& shown = viewers[ended(0) ? 1 : 0];
    EXPECT_TRUE(left.exitStatus() == QProcess::NormalExit && left.exitCode() == 0);
    EXPECT_FALSE(shown.waitForFinished(500));
    shown.kill();
    ASSERT_TRUE(shown.waitForFinished(5000));

    ViewerInstance next(file);
    ASSERT_TRUE(next.claim());
    QSignalSpy raised(&next, &ViewerInstance::raiseRequested);
    EXPECT_FALSE(ViewerInstance(file).claim());
    EXPECT_TRUE(raised.count() > 0 || raised.wait(5000));
    EXPECT_TRUE(ViewerInstance(folder.nativeFile("otra.chm")).claim());

    QWidget window;
    window.showMinimized();
    bringToFront(window);
    EXPECT_TRUE(window.isVisible() && !window.isMinimized());
}
