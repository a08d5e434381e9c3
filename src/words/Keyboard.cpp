#include "words/Keyboard.h"

#include <algorithm>

namespace keyboard {

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

} // namespace keyboard
