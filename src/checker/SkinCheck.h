#pragma once

#include "checker/Finding.h"

#include <QString>

namespace checker {

// WCAG's level for small text: the eight labels are 8.25-point Tahoma.
constexpr double minimumContrast = 4.5;

// What the game would hide about one skin folder (an absolute native path);
// the findings name their files as the folder holds them.
Findings checkSkin(const QString& folder);

} // namespace checker
