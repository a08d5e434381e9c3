#pragma once

#include <QColor>
#include <QString>

#include <optional>

// The text colour of a skin, from the three parts stored in its info.ini.
namespace skins {

// One part as stored: a number that fits 16 bits, blanks around it allowed.
// Above 255 counts as 255 and below 0 as 0; anything else gives no value.
std::optional<int> colourPart(const QString& text);

// The colour red + 256 green + 65536 blue, when all three parts are numbers.
std::optional<QRgb> textColour(const QString& red, const QString& green, const QString& blue);

} // namespace skins
