// Playing keys on any phrase uncovers exactly the hidden cells that hold the
// character played and changes nothing else; once every key is played, only
// the characters without a key are still hidden.
#include "FuzzInput.h"

#include "app/IniText.h"
#include "game/Guess.h"
#include "words/Phrase.h"

namespace {

// The characters of the 37 keys.
const QString& keys()
{
    static const QString all = QStringLiteral("ABCDEFGHIJKLMNÑOPQRSTUVWXYZ0123456789");
    return all;
}

QString played(const QString& display, const QString& hidden, QChar c)
{
    const play::Reveal result = play::reveal(display, hidden, c);
    FUZZ_CHECK(result.display.size() == display.size());
    int uncovered = 0;
    for (qsizetype p = 0; p < display.size(); ++p) {
        const bool uncovers = display[p] == u' ' && hidden[p] == c;
        FUZZ_CHECK(result.display[p] == (uncovers ? c : display[p]));
        uncovered += uncovers;
    }
    FUZZ_CHECK(result.hits == uncovered);
    return result.display;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const QString order = input.text(40);
    const QString hidden =
        phrase::withoutHint(cp1252::toUpper(cp1252::decode(input.rest(ini::maxValueLength))))
            .phrase;
    QString display = phrase::mask(hidden).display;

    for (const QChar byte : order)
        display = played(display, hidden, keys()[byte.unicode() % keys().size()]);
    for (const QChar c : keys())
        display = played(display, hidden, c);
    for (qsizetype p = 0; p < hidden.size(); ++p) {
        const bool hasKey = keys().contains(hidden[p]) || phrase::isShownFromStart(hidden[p]);
        FUZZ_CHECK(display[p] == (hasKey ? hidden[p] : QChar(u' ')));
    }
    return 0;
}
