#include "words/Phrase.h"

#include "app/Numbers.h"
#include "words/Keyboard.h"

#include <QStringList>

#include <optional>

namespace phrase {

std::int16_t nextEntry(double counter)
{
    // Entries are numbered from 1: a counter below 0 would deal keys such as
    // "0A" or "-1A", which no author means as entries.
    const std::optional<std::int16_t> next = toInteger16(counter + 1);
    return next && *next >= 1 ? *next : 1;
}

QString entryKey(std::int16_t number) { return QString::number(number) + 'A'; }

Entry withoutHint(const QString& upperEntry)
{
    static const struct {
        const char* mark;
        const char* tip;
    } hints[] = {
        {"(EN)", "Título integro en Inglés"},
        {"(IT)", "Título integro en Italiano"},
        {"(FR)", "Título integro en Francés"},
    };

    Entry entry{upperEntry, QString()};
    for (const auto& hint : hints) {
        if (entry.phrase.endsWith(QLatin1String(hint.mark))) {
            entry.phrase.chop(4);
            entry.hint = QString::fromUtf8(hint.tip);
        }
    }
    if (!entry.hint.isEmpty()) {
        while (entry.phrase.endsWith(' '))
            entry.phrase.chop(1);
    }
    return entry;
}

bool isShownFromStart(QChar ch)
{
    return ch == ' ' || ch == ':' || ch == ',' || ch == '.' || ch == '-';
}

Masked mask(const QString& phrase)
{
    Masked masked;
    masked.display.reserve(phrase.size());
    masked.dashes.reserve(phrase.size());
    for (const QChar ch : phrase) {
        masked.dashes.append(ch == ' ' ? ' ' : '-');
        masked.display.append(isShownFromStart(ch) ? ch : QChar(' '));
        if (keyboard::isDigit(ch.unicode()))
            masked.hasDigit = true;
    }
    return masked;
}

bool isUntouched(const QString& display)
{
    for (const QChar ch : display) {
        if (ch != '_' && !isShownFromStart(ch))
            return false;
    }
    return true;
}

QString spoken(const QString& display, const QString& dashes)
{
    QStringList cells;
    for (qsizetype p = 0; p < display.size(); ++p) {
        const bool hidden = display[p] == ' ' && p < dashes.size() && dashes[p] == '-';
        if (hidden)
            cells << QStringLiteral("oculta");
        else if (display[p] == ' ')
            cells << QStringLiteral("espacio");
        else
            cells << QString(display[p]);
    }
    return cells.join(QStringLiteral(", "));
}

QString withFirstShown(const QString& display, const QString& phrase)
{
    if (display.isEmpty() || phrase.isEmpty())
        return display;
    QString shown = display;
    shown[0] = phrase[0];
    return shown;
}

} // namespace phrase
