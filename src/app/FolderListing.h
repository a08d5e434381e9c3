#pragma once

#include "app/SafeFile.h"

#include <QString>
#include <QStringList>

#include <vector>

// A file or folder that a folder of categories or skins holds but the game
// does not offer, and why.
struct LeftOut {
    enum class Why {
        Unread,     // the game would not read it; `unread` says why
        Separator,  // would be read as a path of its own
        Unstorable, // the settings file would not give the name back
    };
    QString name; // as the folder spells it
    Why why;
    safefile::Unread unread = safefile::Unread::Missing;
};

struct Listing {
    QStringList names; // by name, as the choosers list them
    std::vector<LeftOut> leftOut;
};
