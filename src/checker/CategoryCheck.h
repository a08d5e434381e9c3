#pragma once

#include "checker/Finding.h"

#include <QByteArrayView>

namespace checker {

// What the game would hide about the text of one category file, by line.
Findings checkCategory(QByteArrayView text);

} // namespace checker
