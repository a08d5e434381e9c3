#pragma once

#include <QFont>

// The layout is drawn for Tahoma and Fixedsys. Where the system lacks them,
// the free equivalents of Debian's fonts-wine are registered for this run.
void registerDesignFonts();

QFont tahoma(double pointSize, bool bold = false);
// Fixedsys at its one designed size: character cells of 8 by 15 pixels.
QFont fixedsys();
// Fixedsys where `cells` characters fit in `width` pixels, else the largest
// fixed-pitch font that fits, so a long phrase is never cut off.
QFont fixedsysFitting(int cells, int width);
