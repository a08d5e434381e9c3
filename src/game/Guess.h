#pragma once

#include <QString>

// The rules of playing one character.
namespace play {

constexpr double vowelPrice = 200;
constexpr double hitReward = 100;
constexpr double winBonus = 1000;
constexpr int failuresToLose = 5;

struct Reveal {
    QString display; // every position still hidden where the phrase has c now shows c
    int hits = 0;    // positions uncovered
};

// Only hidden positions are compared, exactly: Ñ is not N and Á is not A.
Reveal reveal(const QString& display, const QString& phrase, QChar c);

} // namespace play
