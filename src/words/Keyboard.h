#pragma once

#include <QChar>

#include <array>
#include <cstdint>

// The characters a player can play: the on-screen keyboard.
namespace keyboard {

// Row by row; a key's index is its character's Windows-1252 code.
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

} // namespace keyboard
