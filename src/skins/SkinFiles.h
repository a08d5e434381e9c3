#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// Where skins live and how their pictures are read.
namespace skins {

// The skin named in the settings file, read afresh.
QString currentName(const QString& appFolder);
// The skin folders, by name; a player can choose among the first 20.
QStringList names(const QString& appFolder);
constexpr int maxListed = 20;

// folder + "\Skins\" + name + "\".
QString folder(const QString& appFolder, const QString& name);

// Pictures beyond this size in either direction are refused as unreadable, so
// a crafted header cannot exhaust memory.
constexpr int maxPictureSide = 4096;
// Far beyond any skin's picture; a larger file is not read at all.
constexpr qint64 maxPictureBytes = 64 << 20;

// A picture read from a program path; no value when it is missing or unreadable.
// GIF pictures keep their colour indexes.
std::optional<QImage> loadPicture(const QString& file);

} // namespace skins
