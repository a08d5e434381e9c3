// Any file, any section, key and value: reading never fails, a write reads back
// as written under any case of the names, every other value reads as before,
// and what the write took away lies within one line.
#include "app/Cp1252.h"
#include "app/IniLine.h"
#include "app/IniText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// A broken rule stops the fuzzer with the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)

namespace {

// Takes a text of up to `longest` bytes, led by its length (two bytes past
// 255), off the front of the input, read as Windows-1252 as the game reads.
QString takeText(QByteArrayView& input, int longest)
{
    const auto byte = [&input] {
        const int first = input.isEmpty() ? 0 : static_cast<std::uint8_t>(input.front());
        input = input.sliced(std::min<qsizetype>(1, input.size()));
        return first;
    };
    int length = byte();
    if (longest > 255)
        length = length * 256 + byte();
    const QByteArrayView taken =
        input.first(std::min<qsizetype>(length % (longest + 1), input.size()));
    input = input.sliced(taken.size());
    return cp1252::decode(taken);
}

QString blanksTrimmed(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && (text[from] == u' ' || text[from] == u'\t'))
        ++from;
    while (to > from && (text[to - 1] == u' ' || text[to - 1] == u'\t'))
        --to;
    return text.sliced(from, to - from);
}

// What the reader gives back for a written value.
QString asRead(const QString& value)
{
    QString trimmed = blanksTrimmed(value);
    if (trimmed.size() >= 2 && trimmed.front() == trimmed.back() &&
        (trimmed.front() == u'"' || trimmed.front() == u'\''))
        trimmed = trimmed.sliced(1, trimmed.size() - 2);
    return trimmed.first(std::min<qsizetype>(trimmed.size(), ini::maxValueLength));
}

// Every section and key named in the text, each key with the section above it.
std::vector<std::pair<QString, QString>> namesIn(QByteArrayView text)
{
    std::vector<std::pair<QString, QString>> names;
    QString section;
    for (IniLines lines(text); !lines.atEnd() && names.size() < 200;) {
        const IniLine line = lines.next();
        if (line.kind == IniLine::Kind::Header)
            section = cp1252::decode(line.name);
        else if (line.kind == IniLine::Kind::Key)
            names.emplace_back(section, cp1252::decode(line.name));
    }
    return names;
}

bool sameName(const QString& a, const QString& b)
{
    return cp1252::toUpper(a) == cp1252::toUpper(b);
}

// The bytes between the common start and the common end of the two texts.
bool removesLineBreak(QByteArrayView before, QByteArrayView after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype same = 0;
    while (same < shorter && before[same] == after[same])
        ++same;
    qsizetype sameEnd = 0;
    while (sameEnd < shorter - same &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd])
        ++sameEnd;
    const QByteArrayView removed = before.sliced(same, before.size() - same - sameEnd);
    return removed.contains('\r') || removed.contains('\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString section = takeText(text, 12);
    const QString key = takeText(text, 12);
    const QString value = takeText(text, 300);

    FUZZ_CHECK(ini::readValue(text, section, key).size() <= ini::maxValueLength);
    const std::optional<QByteArray> written = ini::writeValue(text, section, key, value);
    if (!written)
        return 0;
    FUZZ_CHECK(ini::readValue(*written, section, key) == asRead(value));
    FUZZ_CHECK(ini::readValue(*written, cp1252::toUpper(section), cp1252::toUpper(key)) ==
               asRead(value));
    FUZZ_CHECK(!removesLineBreak(text, *written));
    for (const auto& [otherSection, otherKey] : namesIn(text)) {
        if (sameName(otherSection, section) && sameName(otherKey, key))
            continue;
        FUZZ_CHECK(ini::readValue(*written, otherSection, otherKey) ==
                   ini::readValue(text, otherSection, otherKey));
    }
    return 0;
}
