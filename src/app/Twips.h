#pragma once

class QWidget;
class QRect;

// Positions and sizes of the design are in twips: 15 to a logical pixel.
namespace twips {

constexpr int perPixel = 15;

constexpr int toPixels(int value) { return value / perPixel; }
constexpr int fromPixels(int pixels) { return pixels * perPixel; }
QRect rect(int left, int top, int width, int height);

// Outer geometry of a top-level window, frame included.
int left(const QWidget& window);
int top(const QWidget& window);
int width(const QWidget& window);
int height(const QWidget& window);
void move(QWidget& window, double left, double top);

int screenWidth(const QWidget& window);

} // namespace twips
