#include "launcher/PlayerFolder.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path toPath(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

} // namespace

// Would catch an upgrade that overwrites what the game wrote, or one that
// leaves a player's untouched or missing copy at the old version.
TEST(PlayerFolder, ShippedChangesReachOnlyCopiesTheGameLeftAlone)
{
    struct Case {
        const char* what;
        const char* playerEdit; // nullptr leaves the copy alone, "" removes it
        QByteArray expected;
    };
    const Case cases[] = {
        {"untouched copy", nullptr, "v2"},
        {"copy the game wrote", "Ganadas=3", "Ganadas=3"},
        {"copy the player removed", "", "v2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempAppFolder shipped;
        TempAppFolder player;
        shipped.write("Categorias/Animales.ini", "v1");
        shipped.write("Propia.ini", "de la instalación");
        player.write("Propia.ini", "del jugador");
        launcher::syncShipped(toPath(shipped.path()), toPath(player.path()));
        if (c.playerEdit && *c.playerEdit)
            player.write("Categorias/Animales.ini", c.playerEdit);
        else if (c.playerEdit)
            QFile::remove(player.nativeFile("Categorias/Animales.ini"));

        shipped.write("Categorias/Animales.ini", "v2");
        shipped.write("Skins/Nuevo/info.ini", "nuevo");
        launcher::syncShipped(toPath(shipped.path()), toPath(player.path()));

        EXPECT_EQ(player.read("Categorias/Animales.ini"), c.expected);
        EXPECT_EQ(player.read("Skins/Nuevo/info.ini"), "nuevo");
        // A file the player had before it was ever shipped is theirs.
        EXPECT_EQ(player.read("Propia.ini"), "del jugador");
    }
}

// Would catch a start that loses the race to create the folder and fails, or
// one that leaves its half-built copy behind.
TEST(PlayerFolder, StartsAtTheSameMomentMakeOneWholeFolder)
{
    TempAppFolder shipped;
    for (int i = 0; i < 200; ++i)
        shipped.write(QStringLiteral("Categorias/%1.ini").arg(i), QByteArray(4096, 'x'));
    shipped.write("palabrino", "el juego");
    shipped.write(launcher::launcherName, "el lanzador");
    TempAppFolder home;
    const fs::path player = toPath(home.nativeFile("palabrino"));

    std::atomic<int> failures = 0;
    std::vector<std::thread> starts;
    for (int i = 0; i < 4; ++i)
        starts.emplace_back([&] {
            try {
                launcher::preparePlayerFolder(toPath(shipped.path()), player);
            } catch (const fs::filesystem_error&) {
                ++failures;
            }
        });
    for (std::thread& start : starts)
        start.join();

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"palabrino"});
    EXPECT_EQ(QDir(home.nativeFile("palabrino/Categorias")).count() - 2, 200u);
    EXPECT_EQ(home.read("palabrino/palabrino"), "el juego");
    EXPECT_FALSE(home.exists(QStringLiteral("palabrino/") + launcher::launcherName));
}
