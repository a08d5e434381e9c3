#pragma once

#include "app/MainLayout.h"

#include <QFont>
#include <QSize>

class QLabel;

// The layout is drawn for Tahoma and Fixedsys. Where the system lacks them,
// the free equivalents of Debian's fonts-wine are registered for this run.
void registerDesignFonts();

QFont tahoma(double pointSize, bool bold = false);
// Fixedsys at its one designed size, with its cell of 8 by 15 pixels.
QFont fixedsys();
constexpr QSize fixedsysCell(mainlayout::displayCellPixels, 15);
// The font for character cells `cellWidth` logical pixels wide on a screen of
// the given device pixel ratio: `wanted` (Fixedsys) where it is a fixed-pitch
// face whose characters fit the cell pixel for pixel, else the largest
// fixed-pitch font whose characters fit the cell.
QFont cellFont(const QFont& wanted, qreal cellWidth, qreal ratio);

// Keeps a fixed caption whole when the face got is wider than the one the
// label was measured for: the label grows to the right up to `rightLimit`
// (in its parent's pixels), and only where that is not room enough does its
// font get smaller.
void fitCaption(QLabel& label, int rightLimit);
