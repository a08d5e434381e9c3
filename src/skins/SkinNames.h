#pragma once

#include "app/AppPath.h"
#include "app/FolderListing.h"

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

} // namespace skins
