#include "app/IniText.h"

#include "app/Cp1252.h"
#include "app/IniLine.h"

#include <algorithm>
#include <array>

namespace ini {
namespace {

class NameMatcher {
public:
    explicit NameMatcher(QStringView name) : m_upper(cp1252::toUpper(name)) {}

    // Byte by byte through a table: the set-up compares thousands of key names.
    bool matches(QByteArrayView name) const
    {
        if (name.size() != m_upper.size())
            return false;
        for (qsizetype i = 0; i < name.size(); ++i) {
            if (upperOfByte()[static_cast<unsigned char>(name[i])] != m_upper[i].unicode())
                return false;
        }
        return true;
    }

private:
    static const std::array<char16_t, 256>& upperOfByte()
    {
        static const std::array<char16_t, 256> table = [] {
            std::array<char16_t, 256> upper{};
            for (int byte = 0; byte < 256; ++byte) {
                const char c = static_cast<char>(byte);
                upper[byte] = cp1252::toUpper(cp1252::decode(QByteArrayView(&c, 1)))[0].unicode();
            }
            return upper;
        }();
        return table;
    }

    QString m_upper;
};

struct Lookup {
    std::optional<IniLine> key;
    // The line a new key goes after: the section's last key, else its header.
    std::optional<IniLine> lastOfSection;
};

Lookup find(QByteArrayView text, QStringView section, QStringView key)
{
    const NameMatcher sectionName(section);
    const NameMatcher keyName(key);
    Lookup found;
    IniLines lines(text);
    while (!found.lastOfSection) {
        lines.skipToHeader();
        if (lines.atEnd())
            return found;
        const IniLine header = lines.next();
        if (sectionName.matches(header.name))
            found.lastOfSection = header;
    }
    while (!lines.atEnd()) {
        const IniLine line = lines.next();
        if (line.kind == IniLine::Kind::Header)
            break;
        if (line.kind != IniLine::Kind::Key)
            continue;
        if (keyName.matches(line.name)) {
            found.key = line;
            break;
        }
        found.lastOfSection = line;
    }
    return found;
}

bool hasLineBreak(QStringView text) { return text.contains(u'\r') || text.contains(u'\n'); }

// A name written with a character that reads back as another name, or that
// ends the name early, would never be found again.
bool isReadableName(QStringView name, QStringView forbidden)
{
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    if (!name.isEmpty() && (isBlank(name.front()) || isBlank(name.back())))
        return false;
    for (QChar c : forbidden) {
        if (name.contains(c))
            return false;
    }
    return !hasLineBreak(name) && cp1252::canEncode(name);
}

bool readsBackAsWritten(QStringView section, QStringView key, QStringView value)
{
    return isReadableName(section, u"]") && isReadableName(key, u"=") && !key.startsWith(u'[') &&
           !key.startsWith(u';') && !hasLineBreak(value);
}

bool endsWithLineBreak(QByteArrayView text) { return text.endsWith('\n') || text.endsWith('\r'); }

} // namespace

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

QString readValue(QByteArrayView text, QStringView section, QStringView key)
{
    const Lookup found = find(text, section, key);
    if (!found.key)
        return {};
    const QByteArrayView value = unquoted(found.key->value);
    return cp1252::decode(value.first(std::min(value.size(), maxValueLength)));
}

std::optional<QByteArray> writeValue(QByteArrayView text, QStringView section, QStringView key,
                                     QStringView value)
{
    if (!readsBackAsWritten(section, key, value))
        return std::nullopt;
    const QByteArray assignment = '=' + cp1252::encode(value);
    const QByteArray newKeyLine = cp1252::encode(key) + assignment + "\r\n";
    const Lookup found = find(text, section, key);

    QByteArray result;
    result.reserve(text.size() + newKeyLine.size() + section.size() + 6);
    if (found.key) {
        result.append(text.first(found.key->begin));
        result.append(found.key->name).append(assignment);
        result.append(text.sliced(found.key->contentEnd));
    } else if (const auto& last = found.lastOfSection) {
        result.append(text.first(last->end));
        if (!last->hasLineEnding())
            result.append("\r\n");
        result.append(newKeyLine);
        result.append(text.sliced(last->end));
    } else {
        result.append(text);
        if (!text.isEmpty() && !endsWithLineBreak(text))
            result.append("\r\n");
        result.append('[' + cp1252::encode(section) + "]\r\n").append(newKeyLine);
    }
    return result;
}

bool keepsValue(QStringView value)
{
    const QStringView section = u"S";
    const QStringView key = u"K";
    const std::optional<QByteArray> text = writeValue({}, section, key, value);
    return text && readValue(*text, section, key) == value;
}

bool sameName(QByteArrayView name, QStringView wanted) { return NameMatcher(wanted).matches(name); }

} // namespace ini
