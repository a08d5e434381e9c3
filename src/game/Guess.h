#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The rules of playing one character.
namespace play {

constexpr double vowelPrice = 200;
constexpr double hitReward = 100;
constexpr double winBonus = 1000;
constexpr int failuresToLose = 5;

// The on-screen keyboard row by row; a key's index is its character's
// Windows-1252 code.
inline constexpr std::array<std::int16_t, 19> upperKeys = {
    65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 209, 79, 80, 81, 82,
};
inline constexpr std::array<std::int16_t, 18> lowerKeys = {
    83, 84, 85, 86, 87, 88, 89, 90, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57,
};

// True when a key of the keyboard plays the character.
bool hasKey(QChar c);
bool isVowel(int code);
bool isDigit(int code);

struct Reveal {
    QString display; // every position still hidden where the phrase has c now shows c
    int hits = 0;    // positions uncovered
};

// Only hidden positions are compared, exactly: Ñ is not N and Á is not A.
Reveal reveal(const QString& display, const QString& phrase, QChar c);

} // namespace play
