#include "game/Guess.h"

namespace play {

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
