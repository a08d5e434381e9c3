#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// How a skin's picture file turns into a picture, the same for the game and
// for the authors' checker.
namespace skins {

// Pictures beyond this size in either direction are refused as unreadable, so
// a crafted header cannot exhaust memory.
constexpr int maxPictureSide = 4096;
// Far beyond any skin's picture; a larger file is refused.
constexpr qint64 maxPictureBytes = 64 << 20;

// The size the file's header claims; invalid when it cannot be told.
QSize claimedSize(QByteArray bytes);

// GIF pictures keep their colour indexes; a picture of another kind under a
// ".gif" name shows all the same. Read at most maxPictureBytes + 1 bytes: more
// than maxPictureBytes is refused.
std::optional<QImage> pictureFrom(QByteArray bytes);

} // namespace skins
