#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Where the viewer finds the help file it is given by name: an absolute path
// as it is; a relative name in each folder in turn, matched without regard to
// case like the game's other files. A name that climbs out of a folder ("..")
// is not looked up.
std::optional<QString> locateHelpFile(const QString& name, const QStringList& folders);
