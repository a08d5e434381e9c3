#pragma once

#include <QByteArrayView>
#include <QImage>

#include <optional>

// Reading a skin's GIF pictures without an image plugin: the first picture of
// the file, kept as 8-bit colour indexes (a quarter of the memory of 32-bit
// pixels; a skin holds ten pictures, of which two are on screen).
namespace gif {

// "GIF87a" or "GIF89a".
bool isGif(QByteArrayView bytes);

// The first picture on its logical screen. The screen outside it, and pixels
// that a file cut short never delivered, are transparent (in the background
// colour when the picture uses all 256 colours and none is transparent). No
// value for a header cut short, a screen wider or higher than `maxSide`, or
// corrupt picture data.
std::optional<QImage> decode(QByteArrayView bytes, int maxSide);

} // namespace gif
