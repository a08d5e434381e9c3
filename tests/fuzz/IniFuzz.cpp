// Any file, any section, key and value: reading never fails, a write reads back
// as written under any case of the names, every other value reads as before,
// and no line break is taken away.
#include "app/Cp1252.h"
#include "app/IniLine.h"
#include "app/IniText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// A broken rule stops the fuzzer with the input that broke it.
void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Takes a text of up to `longest` bytes, led by its length (two bytes past
// 255), off the front of the input, read as Windows-1252 as the game reads.
QString takeText(QByteArrayView& input, int longest)
{
    int length = 0;
    for (int bytes = longest > 255 ? 2 : 1; bytes > 0; --bytes) {
        length = length * 256 + (input.isEmpty() ? 0 : std::uint8_t(input.front()));
        input = input.sliced(std::min<qsizetype>(1, input.size()));
    }
    const QByteArrayView taken =
        input.first(std::min<qsizetype>(length % (longest + 1), input.size()));
    input = input.sliced(taken.size());
    return cp1252::decode(taken);
}

// What the reader gives back for a written value.
QString asRead(QString value)
{
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!value.isEmpty() && blank(value.back()))
        value.chop(1);
    while (!value.isEmpty() && blank(value.front()))
        value.remove(0, 1);
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\''))
        value = value.sliced(1, value.size() - 2);
    return value.first(std::min<qsizetype>(value.size(), ini::maxValueLength));
}

// Line breaks in a text: a write changes at most one line's content, so it
// never leaves fewer than it found.
qsizetype lineBreaks(QByteArrayView text) { return text.count('\r') + text.count('\n'); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArrayView text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString section = takeText(text, 12);
    const QString key = takeText(text, 12);
    const QString value = takeText(text, 300);

    check(ini::readValue(text, section, key).size() <= ini::maxValueLength);
    const std::optional<QByteArray> written = ini::writeValue(text, section, key, value);
    if (!written)
        return 0;
    const auto upper = [](const QString& name) { return cp1252::toUpper(name); };
    check(ini::readValue(*written, section, key) == asRead(value));
    check(ini::readValue(*written, upper(section), upper(key)) == asRead(value));
    check(lineBreaks(*written) >= lineBreaks(text));

    QString otherSection;
    int keys = 0;
    for (IniLines lines(text); !lines.atEnd() && keys < 200;) {
        const IniLine line = lines.next();
        const QString name = cp1252::decode(line.name);
        if (line.kind == IniLine::Kind::Header)
            otherSection = name;
        if (line.kind != IniLine::Kind::Key ||
            (upper(otherSection) == upper(section) && upper(name) == upper(key)))
            continue;
        ++keys;
        check(ini::readValue(*written, otherSection, name) ==
              ini::readValue(text, otherSection, name));
    }
    return 0;
}
