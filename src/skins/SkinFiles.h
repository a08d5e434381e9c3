#pragma once

#include "skins/Picture.h"

#include <QImage>
#include <QString>

#include <optional>

class ImageControl;

// Where skins live and how their pictures are read.
namespace skins {

// The skin named in the settings file, read afresh.
QString currentName(const QString& appFolder);

// folder + "\Skins\" + name.
QString folder(const QString& appFolder, const QString& name);

// A picture read from a program path (see pictureFrom); no value when it is
// missing or unreadable.
std::optional<QImage> loadPicture(const QString& file);
// Puts the picture into the holder; one that cannot be read leaves the holder
// with what it had.
void loadInto(ImageControl& holder, const QString& file);

} // namespace skins
