#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A file or folder that a folder of categories or skins holds but the game
// does not offer, and why.
struct LeftOut {
    enum class Why {
        Unreadable,
        Separator,  // would be read as a path of its own
        Unstorable, // the settings file would not give the name back
    };
    QString name; // as the folder spells it
    Why why;
};

struct Listing {
    QStringList names; // by name, as the choosers list them
    std::vector<LeftOut> leftOut;
};
