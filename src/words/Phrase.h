#pragma once

#include <QString>

#include <cstdint>

// Turning a stored entry into the hidden phrase and its masked display.
namespace phrase {

// The entry after the one the stored counter names: the counter plus one,
// rounded to a whole number with halves to the even neighbour. Past 32767, or
// below 1, dealing starts again at 1.
std::int16_t nextEntry(double counter);
// The key of an entry in [Contenido]: 12 is "12A".
QString entryKey(std::int16_t number);

struct Entry {
    QString phrase;
    QString hint; // the tool tip of a language hint, or ""
};

// Cuts "(EN)", "(IT)" and "(FR)" off the end of an upper-cased entry, tested
// in that order, a later one overriding the tool tip. The blanks a cut leaves
// at the end go too, so the phrase can be typed as it is shown.
Entry withoutHint(const QString& upperEntry);

// Blanks and these marks are shown from the start of a game.
bool isShownFromStart(QChar ch);

struct Masked {
    QString display; // the shown characters, a blank for each hidden one
    QString dashes;  // a dash under every position that is not a blank
    bool hasDigit = false;
};

Masked mask(const QString& phrase);

// True while the display shows no letter or digit yet (only blanks and marks).
bool isUntouched(const QString& display);

// The display as a screen reader should say it: each cell, "oculta" for a
// hidden one and "espacio" for a blank, separated by commas.
QString spoken(const QString& display, const QString& dashes);

// The display with the phrase's first character shown, for easy categories.
QString withFirstShown(const QString& display, const QString& phrase);

} // namespace phrase
