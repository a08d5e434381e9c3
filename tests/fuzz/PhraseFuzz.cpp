// Any counter, mode and stored entry: the next entry number stays in 1..32767
// and names a key that reads back as that number; the hidden phrase, its
// display and its dash row line up cell for cell; the mode shows at most the
// first cell.
#include "FuzzInput.h"

#include "app/IniText.h"
#include "app/Numbers.h"
#include "words/CategoryFiles.h"
#include "words/Phrase.h"

#include <cmath>

namespace {

void checkCounter(const QString& cuenta)
{
    const std::int16_t next = phrase::nextEntry(categories::storedNumber(cuenta));
    FUZZ_CHECK(next >= 1);
    const QString key = phrase::entryKey(next);
    FUZZ_CHECK(key.endsWith(u'A') && !key.startsWith(u'0'));
    bool isNumber = false;
    FUZZ_CHECK(key.chopped(1).toInt(&isNumber) == next && isNumber);

    // A count is the stored number plus one, to the nearest whole number,
    // held at the ends of the 16-bit range.
    const double sum = categories::storedNumber(cuenta) + 1;
    const std::int16_t raised = categories::raisedCount(cuenta);
    if (sum > 32767)
        FUZZ_CHECK(raised == 32767);
    else if (sum < -32768)
        FUZZ_CHECK(raised == -32768);
    else
        FUZZ_CHECK(std::abs(raised - sum) <= 0.5);
}

void checkMasked(const QString& hidden, bool firstShown)
{
    const phrase::Masked masked = phrase::mask(hidden);
    FUZZ_CHECK(masked.display.size() == hidden.size() && masked.dashes.size() == hidden.size());
    bool digit = false;
    for (qsizetype p = 0; p < hidden.size(); ++p) {
        const QChar ch = hidden[p];
        FUZZ_CHECK(masked.display[p] == (phrase::isShownFromStart(ch) ? ch : QChar(u' ')));
        FUZZ_CHECK(masked.dashes[p] == (ch == u' ' ? u' ' : u'-'));
        digit = digit || (ch >= u'0' && ch <= u'9');
    }
    FUZZ_CHECK(masked.hasDigit == digit);
    FUZZ_CHECK(phrase::isUntouched(masked.display));

    const QString shown =
        firstShown ? phrase::withFirstShown(masked.display, hidden) : masked.display;
    FUZZ_CHECK(shown.size() == hidden.size());
    if (firstShown && !hidden.isEmpty())
        FUZZ_CHECK(shown.front() == hidden.front());
    FUZZ_CHECK(shown.sliced(std::min<qsizetype>(1, shown.size())) ==
               masked.display.sliced(std::min<qsizetype>(1, shown.size())));
    phrase::spoken(shown, masked.dashes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    checkCounter(input.text(16));
    const std::optional<double> modo = numberFromText(input.text(16));
    const QString upper = cp1252::toUpper(cp1252::decode(input.rest(ini::maxValueLength)));

    const phrase::Entry entry = phrase::withoutHint(upper);
    const QString& hidden = entry.phrase;
    FUZZ_CHECK(upper.startsWith(hidden));
    FUZZ_CHECK(entry.hint.isEmpty() == (hidden == upper));
    if (!entry.hint.isEmpty())
        FUZZ_CHECK(!hidden.endsWith(u' '));

    checkMasked(hidden, modo == 1.0);
    return 0;
}
