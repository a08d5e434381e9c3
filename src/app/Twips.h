#pragma once

// Positions and sizes are kept in twips, as on Windows: 15 to a logical pixel.
namespace twips {

constexpr int perPixel = 15;

constexpr int toPixels(int value) { return value / perPixel; }
constexpr int fromPixels(int pixels) { return pixels * perPixel; }

} // namespace twips
