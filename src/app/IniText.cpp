#include "app/IniText.h"

#include "app/Cp1252.h"
#include "app/IniLine.h"

#include <algorithm>

namespace ini {
namespace {

class NameMatcher {
public:
    explicit NameMatcher(QStringView name) : m_upper(cp1252::toUpper(name)) {}

    bool matches(QByteArrayView name) const
    {
        // Decoding keeps the length, so most names are told apart without it.
        return name.size() == m_upper.size() && cp1252::toUpper(cp1252::decode(name)) == m_upper;
    }

private:
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
    for (qsizetype at = 0; at < text.size();) {
        const IniLine line = iniLineAt(text, at);
        at = line.end;
        const bool inSection = found.lastOfSection.has_value();
        if (line.kind == IniLine::Kind::Header) {
            if (inSection)
                break;
            if (sectionName.matches(line.name))
                found.lastOfSection = line;
        } else if (inSection && line.kind == IniLine::Kind::Key) {
            if (keyName.matches(line.name)) {
                found.key = line;
                break;
            }
            found.lastOfSection = line;
        }
    }
    return found;
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.sliced(1, value.size() - 2);
    return value;
}

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

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
    return !hasLineBreak(name) && cp1252::decode(cp1252::encode(name)) == name;
}

bool readsBackAsWritten(QStringView section, QStringView key, QStringView value)
{
    return isReadableName(section, u"]") && isReadableName(key, u"=") &&
           !key.startsWith(u'[') && !key.startsWith(u';') && !hasLineBreak(value);
}

bool endsWithLineBreak(QByteArrayView text)
{
    return text.endsWith('\n') || text.endsWith('\r');
}

} // namespace

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

} // namespace ini
