#include "app/IniLine.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

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
    const qsizetype equals = content.indexOf('=');
    if (content.startsWith(';') || equals < 0)
        return;
    line.kind = IniLine::Kind::Key;
    line.name = withoutBlanks(content.first(equals));
    line.value = withoutBlanks(content.sliced(equals + 1));
}

} // namespace

IniLine iniLineAt(QByteArrayView text, qsizetype begin)
{
    IniLine line;
    line.begin = begin;
    qsizetype at = begin;
    while (at < text.size() && text[at] != '\r' && text[at] != '\n')
        ++at;
    line.contentEnd = at;
    if (at < text.size())
        at += text.sliced(at).startsWith("\r\n") ? 2 : 1;
    line.end = at;
    classify(line, withoutBlanks(text.sliced(begin, line.contentEnd - begin)));
    return line;
}
