#include "app/IniLine.h"

#include <algorithm>
#include <cstring>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView withoutBlanks(QByteArrayView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

void classify(IniLine& line, QByteArrayView content)
{
    if (content.startsWith('[')) {
        // A header without its "]" still opens its section.
        const QByteArrayView inner = content.sliced(1);
        const qsizetype close = inner.indexOf(']');
        line.kind = IniLine::Kind::Header;
        line.name = withoutBlanks(close < 0 ? inner : inner.first(close));
        return;
    }
    if (content.startsWith(';'))
        return;
    const void* found = std::memchr(content.data(), '=', static_cast<size_t>(content.size()));
    if (!found)
        return;
    const qsizetype equals = static_cast<const char*>(found) - content.data();
    line.kind = IniLine::Kind::Key;
    line.name = withoutBlanks(content.first(equals));
    line.value = withoutBlanks(content.sliced(equals + 1));
}

} // namespace

qsizetype IniLines::nextOf(char byte, qsizetype& remembered) const
{
    if (remembered < m_at) {
        const void* found =
            std::memchr(m_text.data() + m_at, byte, static_cast<size_t>(m_text.size() - m_at));
        remembered = found ? static_cast<const char*>(found) - m_text.data() : m_text.size();
    }
    return remembered;
}

IniLine IniLines::next()
{
    IniLine line;
    line.begin = m_at;
    line.contentEnd = std::min(nextOf('\r', m_nextCr), nextOf('\n', m_nextLf));
    line.end = line.contentEnd;
    if (line.end < m_text.size()) {
        const bool crlf = m_text[line.end] == '\r' && line.end + 1 < m_text.size() &&
                          m_text[line.end + 1] == '\n';
        line.end += crlf ? 2 : 1;
    }
    m_at = line.end;
    classify(line, withoutBlanks(m_text.sliced(line.begin, line.contentEnd - line.begin)));
    return line;
}

bool IniLines::startsLine(qsizetype position) const
{
    while (position > m_at && isBlank(m_text[position - 1]))
        --position;
    return position == m_at || m_text[position - 1] == '\r' || m_text[position - 1] == '\n';
}

void IniLines::skipToHeader()
{
    // Headers are the only lines that open with "[", and "[" is rare elsewhere.
    for (qsizetype from = m_at; from < m_text.size(); ++from) {
        const void* found =
            std::memchr(m_text.data() + from, '[', static_cast<size_t>(m_text.size() - from));
        if (!found)
            break;
        from = static_cast<const char*>(found) - m_text.data();
        if (startsLine(from)) {
            qsizetype begin = from;
            while (begin > m_at && isBlank(m_text[begin - 1]))
                --begin;
            m_at = begin;
            return;
        }
    }
    m_at = m_text.size();
}

IniLine iniLineAt(QByteArrayView text, qsizetype begin)
{
    IniLines lines(text.sliced(begin));
    IniLine line = lines.next();
    line.begin += begin;
    line.contentEnd += begin;
    line.end += begin;
    return line;
}
