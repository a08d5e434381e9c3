#include "launcher/PlayerFolder.h"
#include "app/QtPrinters.h"
#include "launcher/ShippedCopy.h"
#include "support/TempAppFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

// Would catch an upgrade that overwrites what the game wrote or a file the
// player had before it was ever shipped, or one that leaves a player's
// untouched or removed copy at the old version.
TEST(PlayerFolder, ShippedChangesReachOnlyCopiesTheGameLeftAlone)
{
    TempAppFolder shipped;
    TempAppFolder player;
    const QStringList files = {"Animales.ini", "Jugada.ini", "Borrada.ini", "Skins/N/info.ini",
                               "Propia.ini"};
    for (const QString& file : files.first(3))
        shipped.write(file, "v1");
    shipped.write("Propia.ini", "de la instalación");
    player.write("Propia.ini", "del jugador");
    launcher::syncShipped(shipped.path().toStdString(), player.path().toStdString(), {});
    player.write("Jugada.ini", "Ganadas=3");
    QFile::remove(player.nativeFile("Borrada.ini"));
    for (const QString& file : files.first(4))
        shipped.write(file, "v2");
    launcher::syncShipped(shipped.path().toStdString(), player.path().toStdString(), {});

    QStringList found;
    for (const QString& file : files)
        found << QString::fromUtf8(player.read(file));
    EXPECT_EQ(found.join(" | "), "v2 | Ganadas=3 | v2 | v2 | del jugador");
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
    std::atomic<int> failures = 0;
    std::vector<std::thread> starts;
    for (int i = 0; i < 4; ++i)
        starts.emplace_back([&] {
            try {
                launcher::preparePlayerFolder(shipped.path().toStdString(),
                                              home.nativeFile("palabrino").toStdString());
            } catch (const fs::filesystem_error&) {
                ++failures;
            }
        });
    for (std::thread& start : starts)
        start.join();

    EXPECT_EQ(failures, 0);
    EXPECT_EQ(home.entries(), QStringList{"palabrino"});
    EXPECT_EQ(home.entries("palabrino/Categorias").size(), 200);
    EXPECT_EQ(home.read("palabrino/palabrino"), "el juego");
    EXPECT_FALSE(home.exists(QStringLiteral("palabrino/") + launcher::launcherName));
}
