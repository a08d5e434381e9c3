#pragma once

#include <QIcon>

// The program's icon, a gallows, drawn in several sizes.
QIcon appIcon();
