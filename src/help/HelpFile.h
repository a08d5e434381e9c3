#pragma once

#include <QString>

#include <optional>

// Where the viewer finds the help file it is given by name: an absolute path
// as it is; a relative name in the program's folder and then in the working
// folder, so that another program's file of that name where the game was
// started from does not stand in for ours. Names match without regard to case
// like the game's other files; a name that climbs out of a folder ("..") is
// not looked up.
std::optional<QString> locateHelpFile(const QString& name, const QString& programFolder,
                                      const QString& workingFolder);
