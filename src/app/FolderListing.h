#pragma once

#include "app/SafeFile.h"

#include <QString>
#include <QStringList>

#include <vector>

// A file or folder that a folder of categories or skins holds but the game
// does not offer, and why.
struct LeftOut {
    enum class Why {
        Missing,  // a link to nothing
        NotAFile, // a folder, a pipe or a device where a file belongs
        TooLarge,
        Unreadable,
        Separator,  // would be read as a path of its own
        Unstorable, // the settings file would not give the name back
    };
    QString name; // as the folder spells it
    Why why;

    static Why unread(safefile::Unread why)
    {
        switch (why) {
        case safefile::Unread::Missing:
            return Why::Missing;
        case safefile::Unread::NotAFile:
            return Why::NotAFile;
        case safefile::Unread::TooLarge:
            return Why::TooLarge;
        case safefile::Unread::Unreadable:
            break;
        }
        return Why::Unreadable;
    }
};

struct Listing {
    QStringList names; // by name, as the choosers list them
    std::vector<LeftOut> leftOut;
};
