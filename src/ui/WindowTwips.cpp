#include "ui/WindowTwips.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace twips {

QRect rect(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

int left(const QWidget& window) { return fromPixels(window.frameGeometry().left()); }
int top(const QWidget& window) { return fromPixels(window.frameGeometry().top()); }
int width(const QWidget& window) { return fromPixels(window.frameGeometry().width()); }
int height(const QWidget& window) { return fromPixels(window.frameGeometry().height()); }

void move(QWidget& window, double left, double top)
{
    window.move(static_cast<int>(std::lround(left / perPixel)),
                static_cast<int>(std::lround(top / perPixel)));
}

int screenWidth(const QWidget& window)
{
    const QScreen* screen = window.screen();
    return screen ? fromPixels(screen->geometry().width()) : 0;
}

} // namespace twips
