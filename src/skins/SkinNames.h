#pragma once

#include "app/AppPath.h"
#include "app/FolderListing.h"
#include "game/Guess.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

// Which skin folders a player can choose.
namespace skins {

// folder + "\Skins".
ProgramPath skinsFolder(const QString& appFolder);
// A skin's description file: skinFolder + "\info.ini".
ProgramPath infoFile(const ProgramPath& skinFolder);

// The skin folders by name, and those left out: named so that the settings
// file could not hold the name, or read as a path.
Listing listing(const QString& appFolder);
// The first of them, among which a player can choose.
QStringList names(const QString& appFolder);
constexpr int maxListed = 20;

// The pictures a skin holds, by file name: the background, the gallows at
// each number of failures up to the one that loses, and the result pictures.
namespace pictures {
constexpr QLatin1String background("fondo.gif");
constexpr int gallowsStages = play::failuresToLose + 1;
QString gallows(int failures);
constexpr QLatin1String noPoints("nopuntos.gif");
constexpr QLatin1String won("ganado.gif");
constexpr QLatin1String lost("perdido.gif");
} // namespace pictures

// The section of info.ini that gives the labels' text colour, and its keys.
namespace info {
constexpr QLatin1String colours("Colores");
constexpr QLatin1String red("TextoR");
constexpr QLatin1String green("TextoV");
constexpr QLatin1String blue("TextoA");
} // namespace info

} // namespace skins
