#include "dialogs/help/HelpFile.h"
#include "support/TempAppFolder.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(HelpFile, LooksInTheCurrentFolderFirstAndThenInTheProgramFolder)
{
    // Catches the folders searched in the wrong order, a help file missed for
    // the case of its name, and a name that escapes the folders searched.
    TempAppFolder current;
    TempAppFolder program;
    const QStringList folders{current.path(), program.path()};
    const QString name = QStringLiteral("ayuda.chm");

    EXPECT_FALSE(locateHelpFile(name, folders));

    program.write("Ayuda.CHM", "programa");
    EXPECT_EQ(locateHelpFile(name, folders), program.nativeFile("Ayuda.CHM"));

    current.write("ayuda.chm", "actual");
    EXPECT_EQ(locateHelpFile(name, folders), current.nativeFile("ayuda.chm"));

    EXPECT_EQ(locateHelpFile(program.nativeFile("Ayuda.CHM"), {}), program.nativeFile("Ayuda.CHM"));
    EXPECT_FALSE(locateHelpFile(QStringLiteral("../") + QDir(program.path()).dirName() +
                                    QStringLiteral("/Ayuda.CHM"),
                                {current.path()}));
    EXPECT_FALSE(locateHelpFile(QString(), folders));

    // A folder of that name is not a help file.
    TempAppFolder other;
    other.write("ayuda.chm/dentro", "x");
    EXPECT_FALSE(locateHelpFile(name, {other.path()}));
}
