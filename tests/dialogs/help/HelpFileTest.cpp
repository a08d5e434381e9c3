#include "dialogs/help/HelpFile.h"
#include "dialogs/help/ViewerInstance.h"
#include "support/TempAppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QWidget>

#include <gtest/gtest.h>

TEST(HelpFile, LooksInTheProgramFolderFirstAndThenInTheCurrentFolder)
{
    // Catches another program's help file in the folder the game was started
    // from shown instead of ours, a help file missed for the case of its name,
    // and a name that escapes the folders searched.
    TempAppFolder current;
    TempAppFolder program;
    const auto locate = [&](const QString& name) {
        return locateHelpFile(name, program.path(), current.path());
    };
    const QString name = QStringLiteral("ayuda.chm");

    EXPECT_FALSE(locate(name));

    current.write("ayuda.chm", "actual");
    EXPECT_EQ(locate(name), current.nativeFile("ayuda.chm"));

    program.write("Ayuda.CHM", "programa");
    EXPECT_EQ(locate(name), program.nativeFile("Ayuda.CHM"));

    EXPECT_EQ(locateHelpFile(program.nativeFile("Ayuda.CHM"), {}, {}),
              program.nativeFile("Ayuda.CHM"));
    EXPECT_FALSE(locate(QStringLiteral("../") + QDir(current.path()).dirName() +
                        QStringLiteral("/ayuda.chm")));
    EXPECT_FALSE(locate(QString()));

    // A folder of that name is not a help file.
    TempAppFolder other;
    other.write("ayuda.chm/dentro", "x");
    EXPECT_FALSE(locateHelpFile(name, other.path(), other.path()));
}

namespace {

// Runs events until `done` holds or five seconds pass.
template <class Condition> bool eventually(Condition done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

QProcess* startViewer(const QString& file, QObject& owner)
{
    auto* viewer = new QProcess(&owner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    viewer->setProcessEnvironment(environment);
    viewer->start(QStringLiteral(PALABRINO_AYUDA), {file});
    return viewer;
}

} // namespace

TEST(HelpInstance, AskedAgainForTheSameFileRaisesTheOpenViewer)
{
    // Catches every "Ayuda" starting one more viewer, and a request to come
    // forward that never reaches the open one.
    TempAppFolder folder;
    folder.write("ayuda.chm", "uno");
    folder.write("otra.chm", "dos");
    ViewerInstance first(folder.nativeFile("ayuda.chm"));
    ASSERT_TRUE(first.claim());
    bool raised = false;
    QObject::connect(&first, &ViewerInstance::raiseRequested, [&raised] { raised = true; });

    ViewerInstance again(folder.nativeFile("ayuda.chm"));
    EXPECT_FALSE(again.claim());
    EXPECT_TRUE(eventually([&] { return raised; }));
    // Another help file has a viewer of its own.
    EXPECT_TRUE(ViewerInstance(folder.nativeFile("otra.chm")).claim());

    QWidget window;
    window.showMinimized();
    bringToFront(window);
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
}

TEST(HelpInstance, TwoStartsAtOnceGiveOneViewerAndAKilledOneLeavesNoObstacle)
{
    // Catches two viewers racing past each other to open two windows, and the
    // socket of a killed viewer making every later one unreachable.
    TempAppFolder folder;
    folder.write("ayuda.chm", "uno");
    const QString file = folder.nativeFile("ayuda.chm");
    QObject owner;
    QProcess* a = startViewer(file, owner);
    QProcess* b = startViewer(file, owner);
    ASSERT_TRUE(eventually(
        [&] { return a->state() == QProcess::NotRunning || b->state() == QProcess::NotRunning; }));
    QProcess* left = a->state() == QProcess::NotRunning ? a : b;
    QProcess* shown = left == a ? b : a;
    EXPECT_EQ(left->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(left->exitCode(), 0);
    EXPECT_FALSE(shown->waitForFinished(500));

    shown->kill();
    ASSERT_TRUE(shown->waitForFinished(5000));
    ViewerInstance next(file);
    EXPECT_TRUE(next.claim());
    EXPECT_FALSE(ViewerInstance(file).claim());
}
