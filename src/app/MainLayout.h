#pragma once

#include "app/Twips.h"

#include <QRect>
#include <QSize>

#include <array>

// The main window's client area, in twips. The window places its
// controls by it, and the checker measures a skin's pictures against it.
namespace mainlayout {

constexpr int clientWidth = 4800;
constexpr int clientHeight = 6120;

// The masked display: one line of Fixedsys cells, 8 pixels wide, and its dash
// row below it.
constexpr int displayLeft = 165;
constexpr int displayTop = 180;
constexpr int displayWidth = 4455;
constexpr int displayHeight = 225;
constexpr int displayCellPixels = 8;
constexpr int displayCells = twips::toPixels(displayWidth) / displayCellPixels;

// The gallows, across the whole width below the labels.
constexpr int gallowsTop = 2520;
constexpr int gallowsHeight = 3600;

// The label rows over the background: the scores, "Letras Utilizadas:" and the
// characters played.
constexpr int rowLeft = 120;
constexpr int rowWidth = 4575;
constexpr int rowHeight = 255;
constexpr int scoreTop = 1560;
constexpr int usedTitleTop = 1920;
constexpr int usedTop = 2160;
constexpr std::array<int, 3> labelRowTops = {scoreTop, usedTitleTop, usedTop};

// The result window, which shows one result picture whole.
constexpr int resultWidth = 4500;
constexpr int resultHeight = 1500;

// The same in logical pixels.
constexpr QSize clientSize(twips::toPixels(clientWidth), twips::toPixels(clientHeight));
constexpr QSize gallowsSize(twips::toPixels(clientWidth), twips::toPixels(gallowsHeight));
constexpr QSize resultSize(twips::toPixels(resultWidth), twips::toPixels(resultHeight));
constexpr QRect labelRow(int top)
{
    return QRect(twips::toPixels(rowLeft), twips::toPixels(top), twips::toPixels(rowWidth),
                 twips::toPixels(rowHeight));
}

} // namespace mainlayout
