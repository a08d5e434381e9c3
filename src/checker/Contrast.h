#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <vector>

// How well text of one colour stands out from a picture behind it, by the
// relative luminance and contrast ratio of the WCAG.
namespace checker {

double relativeLuminance(QRgb colour);
// From 1 (no contrast) to 21 (black on white), whichever colour is lighter.
double contrastRatio(QRgb a, QRgb b);

struct Patch {
    QRect area;
    QRgb average = 0;
    double ratio = 0;
};

// The cell of `areas` (each cut into cells about `cellWidth` wide, all inside
// `backdrop`) whose average colour contrasts least with `text`.
Patch weakestPatch(const QImage& backdrop, QRgb text, const std::vector<QRect>& areas,
                   int cellWidth);

} // namespace checker
