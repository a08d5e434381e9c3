#pragma once

#include "checker/Finding.h"

#include <QByteArrayView>

namespace checker {

// The display line is 4455 twips wide: 37 cells of the 8-pixel Fixedsys font.
constexpr int displayCells = 37;

// What the game would hide about the text of one category file, by line.
Findings checkCategory(QByteArrayView text);

} // namespace checker
