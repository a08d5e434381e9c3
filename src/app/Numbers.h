#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Conversions between the decimal texts the game keeps in captions and files
// and the numbers it computes with.

// A caption or stored value as a number; surrounding blanks are allowed. An
// empty text or one that is not a number gives no value.
std::optional<double> numberFromText(QStringView text);

// Nearest whole number, halves to the even neighbour; outside -32768..32767
// there is no value.
std::optional<std::int16_t> toInteger16(double value);

// Shortest decimal text: "1300", "-200", "0", no group separators.
QString numberText(double value);
