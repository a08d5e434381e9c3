#pragma once

#include <QColor>

#include <cstdint>

// The game's colours, written as Windows writes them: &H00BBGGRR values.
constexpr QRgb fromBgr(std::uint32_t bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

namespace colors {
constexpr QRgb formBackground = fromBgr(0x00C0C0C0);
constexpr QRgb vowelButton = fromBgr(0x008080FF);
constexpr QRgb digitButton = fromBgr(0x00C0C0C0);
constexpr QRgb digitInPhrase = fromBgr(0x00FF8080);
} // namespace colors
