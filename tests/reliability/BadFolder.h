#pragma once

#include "support/GameFixture.h"

#include <QByteArray>
#include <QString>

#include <functional>

// A shipped application folder with one thing spoiled in it, played through
// from start to close.

// The same `size` bytes for the same seed.
QByteArray randomBytes(int size, unsigned seed);

// Planting: each replaces whatever stood at the relative name.
void plantFolder(const TempAppFolder& folder, const QString& relative);
void plantFile(const TempAppFolder& folder, const QString& relative, const QByteArray& bytes);
void plantLink(const TempAppFolder& folder, const QString& relative, const QString& target);
void setMode(const TempAppFolder& folder, const QString& relative, int mode);

struct BadFolderCase {
    const char* name;
    std::function<void(const TempAppFolder&)> plant;
    QString phrase;     // the phrase dealt; "" when there is nothing to play
    const char* report; // part of the one message shown; "" when none is
    bool fullDisk = false;
};

// Starts the game in a fresh folder with the case planted, plays three keys
// and a right "Resolver", closes it, and checks the phrase, the report, that
// nothing hung, and that every file but the current category's counter and
// statistics is byte for byte as it was.
void playThrough(const BadFolderCase& badCase);
