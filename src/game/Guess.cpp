#include "game/Guess.h"

#include <algorithm>

namespace play {

bool hasKey(QChar c)
{
    const int code = c.unicode();
    return std::ranges::find(upperKeys, code) != upperKeys.end() ||
           std::ranges::find(lowerKeys, code) != lowerKeys.end();
}

bool isVowel(int code)
{
    return code == 'A' || code == 'E' || code == 'I' || code == 'O' || code == 'U';
}

bool isDigit(int code) { return code >= '0' && code <= '9'; }

Reveal reveal(const QString& display, const QString& phrase, QChar c)
{
    Reveal result{display, 0};
    const qsizetype length = qMin(display.size(), phrase.size());
    for (qsizetype p = 0; p < length; ++p) {
        if (display[p] == ' ' && phrase[p] == c) {
            result.display[p] = c;
            ++result.hits;
        }
    }
    return result;
}

} // namespace play
