#pragma once

#include "app/AppPath.h"
#include "skins/Picture.h"

#include <QImage>
#include <QString>

#include <optional>

// Where skins live and how their pictures are read.
namespace skins {

// The skin named in the settings file, read afresh.
QString currentName(const QString& appFolder);

// folder + "\Skins\" + name.
ProgramPath folder(const QString& appFolder, const QString& name);

// A picture read from its file (see pictureFrom); no value when the file is
// missing, refused or unreadable.
std::optional<QImage> loadPicture(const ProgramPath& file);

} // namespace skins
