#include "checker/Contrast.h"

#include <algorithm>
#include <cmath>

namespace checker {
namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QRgb averageOf(const QImage& backdrop, const QRect& area)
{
    double red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = backdrop.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const double count = double(area.width()) * area.height();
    return qRgb(int(std::lround(red / count)), int(std::lround(green / count)),
                int(std::lround(blue / count)));
}

} // namespace

double relativeLuminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Patch weakestPatch(const QImage& backdrop, QRgb text, const std::vector<QRect>& areas,
                   int cellWidth)
{
    Patch weakest;
    weakest.ratio = 22;
    for (const QRect& area : areas) {
        const int cells = std::max(1, (area.width() + cellWidth - 1) / cellWidth);
        for (int i = 0; i < cells; ++i) {
            const int left = area.left() + area.width() * i / cells;
            const int right = area.left() + area.width() * (i + 1) / cells;
            const QRect cell(left, area.top(), right - left, area.height());
            const QRgb average = averageOf(backdrop, cell);
            const double ratio = contrastRatio(text, average);
            if (ratio < weakest.ratio)
                weakest = {cell, average, ratio};
        }
    }
    return weakest;
}

} // namespace checker
