// Any file, any section, key and value: reading never fails, a write reads back
// as written under any case of the names, every other value reads as before,
// and what the write took away lies within one line.
#include "FuzzInput.h"

#include "app/IniLine.h"
#include "app/IniText.h"

#include <utility>
#include <vector>

namespace {

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
    FuzzInput input(data, size);
    const QString section = input.text(12);
    const QString key = input.text(12);
    const QString value = input.text(300);
    const QByteArrayView text = input.rest(size);

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
