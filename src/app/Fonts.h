#pragma once

#include <QFont>
#include <QSize>

// The layout is drawn for Tahoma and Fixedsys. Where the system lacks them,
// the free equivalents of Debian's fonts-wine are registered for this run.
void registerDesignFonts();

QFont tahoma(double pointSize, bool bold = false);
// Fixedsys at its one designed size, with its cell of 8 by 15 pixels.
QFont fixedsys();
constexpr QSize fixedsysCell(8, 15);
// The font for character cells `cellWidth` logical pixels wide on a screen of
// the given device pixel ratio: Fixedsys where its cell fits pixel for pixel,
// else the largest fixed-pitch font whose characters fit the cell.
QFont cellFont(qreal cellWidth, qreal ratio);
