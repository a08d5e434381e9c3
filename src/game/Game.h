#pragma once

#include "game/GameFiles.h"

#include <QLatin1String>
#include <QString>

#include <cstdint>

// What a move did, for the windows to show.
enum class Outcome {
    Ignored,  // the game is over, or the character has no key or was played already
    NoPoints, // a vowel, refused below its price; the character stays playable
    Hit,
    Miss,
    Won,
    Lost,
};

// What dealing a new game found.
enum class Dealt {
    Phrase,
    NoCategory,    // the Categorias folder holds no category
    EmptyCategory, // the category has no phrase at all
};

// The game in progress: the hidden phrase of one category, what the player
// has uncovered and played, and the score. It decides every move and stores
// what must be kept through its files; the windows only show it.
class Game {
public:
    explicit Game(GameFiles& files) : m_files(files) {}

    // Carries the score into the total and deals the next entry of the chosen
    // category (or of the first one, when the settings name none there is).
    Dealt deal();
    Outcome play(QChar c);
    // The whole phrase typed, in any case; an empty answer does nothing.
    Outcome solve(const QString& answer);
    // Settles the category before another is dealt or the game closes: an
    // untouched game hands its entry back, and the running total is kept as
    // the best when it beats it.
    void leave();

    const QString& category() const { return m_category; }
    // The number of the entry dealt, as stored in Cuenta.
    const QString& entry() const { return m_entry; }
    const QString& phrase() const { return m_phrase; }
    // The phrase as shown: a blank for each hidden character.
    const QString& display() const { return m_display; }
    // A dash under every character of the phrase that is not a blank.
    const QString& dashes() const { return m_dashes; }
    // The language hint's tool tip, or "".
    const QString& hint() const { return m_hint; }
    bool hasDigit() const { return m_hasDigit; }
    // Each character played, followed by two blanks.
    const QString& used() const { return m_used; }
    bool hasPlayed(QChar c) const;
    std::int16_t failures() const { return m_failures; }
    double score() const { return m_score; }
    double total() const { return m_total; }
    bool over() const { return m_over; }

private:
    void reset();
    bool chooseCategory();
    QString dealEntry(bool fromStart);
    void show(const QString& phrase);
    Outcome fail();
    Outcome win();
    void count(QLatin1String key);

    GameFiles& m_files;
    QString m_category;
    QString m_entry;
    QString m_phrase;
    QString m_display;
    QString m_dashes;
    QString m_hint;
    bool m_hasDigit = false;
    QString m_used;
    std::int16_t m_failures = 0;
    double m_score = 0;
    double m_total = 0;
    bool m_over = false;
};
