#include "checker/CategoryCheck.h"

#include "app/Cp1252.h"
#include "app/MainLayout.h"
#include "checker/IniScan.h"
#include "words/CategoryFiles.h"
#include "words/Keyboard.h"
#include "words/Phrase.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdint>
#include <map>
#include <optional>

namespace checker {
namespace {

constexpr int maxCounter = 32767;

// The number of a key the game deals: what it writes itself, in any case
// ("12A", "12a"), never "012A", "+12A" or "0A".
std::optional<std::int16_t> entryNumber(const QString& key)
{
    bool ok = false;
    const int number = key.size() < 2 ? 0 : key.chopped(1).toInt(&ok);
    if (!ok || number < 1 || number > maxCounter)
        return std::nullopt;
    const auto entry = static_cast<std::int16_t>(number);
    if (phrase::entryKey(entry).compare(key, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return entry;
}

struct Entry {
    int line = 0;
    bool empty = false;
};

class CategoryCheck {
public:
    explicit CategoryCheck(QByteArrayView text) : m_scan(text), m_findings(m_scan.findings()) {}

    Findings run()
    {
        if (!m_scan.isReadable())
            return m_findings;
        RequiredSection datos(m_scan, categories::section::datos, m_findings);
        datos.wholeNumber(categories::key::cuenta, 0, maxCounter);
        m_firstShown = datos.number(categories::key::modo) == 1.0;
        RequiredSection est(m_scan, categories::section::est, m_findings);
        est.wholeNumber(categories::key::ganadas, 0, maxCounter);
        est.wholeNumber(categories::key::perdidas, 0, maxCounter);
        est.number(categories::key::maxPunt);
        checkEntries();
        sortByLine(m_findings);
        return m_findings;
    }

private:
    void note(int line, const QString& message) { m_findings.push_back({{}, line, message}); }

    void checkEntries()
    {
        const IniSection* contenido = m_scan.section(QString(categories::section::contenido));
        if (!contenido) {
            note(0, QStringLiteral("falta la sección [Contenido]; la categoría no tiene frases"));
            return;
        }
        std::map<int, Entry> entries;
        for (const IniKey& key : contenido->keys) {
            const std::optional<std::int16_t> number = entryNumber(key.name);
            if (!number) {
                note(key.line,
                     QStringLiteral("la clave %1 no es una entrada (1A, 2A, 3A…); el juego "
                                    "no la lee")
                         .arg(key.name));
                continue;
            }
            entries[*number] = {key.line, !checkPhrase(key.line, m_scan.value(*contenido, key))};
        }
        checkNumbering(entries, contenido->line);
    }

    // Dealing stops at the first number without a phrase and starts again at 1A.
    void checkNumbering(const std::map<int, Entry>& entries, int headerLine)
    {
        int end = 1;
        while (entries.contains(end) && !entries.at(end).empty)
            ++end;
        QStringList lost;
        for (auto it = entries.upper_bound(end); it != entries.end(); ++it)
            lost << phrase::entryKey(static_cast<std::int16_t>(it->first));
        const bool present = entries.contains(end);
        if (!present && end > 1 && lost.isEmpty())
            return;

        QString message = (present ? QStringLiteral("la entrada %1 no tiene frase: ")
                                   : QStringLiteral("falta la entrada %1: "))
                              .arg(phrase::entryKey(static_cast<std::int16_t>(end)));
        message += end == 1 ? QStringLiteral("la categoría no tiene ninguna frase que mostrar")
                            : QStringLiteral("el juego vuelve a 1A");
        if (!lost.isEmpty())
            message += (lost.size() == 1 ? QStringLiteral("; nunca se muestra ")
                                         : QStringLiteral("; nunca se muestran ")) +
                       lost.join(QStringLiteral(", "));

        int line = headerLine;
        if (present)
            line = entries.at(end).line;
        else if (!lost.isEmpty())
            line = entries.upper_bound(end)->second.line;
        note(line, message);
    }

    // False when the entry holds no phrase for the game to deal. Dealing and
    // masking are the game's own, so the two cannot disagree on a phrase.
    bool checkPhrase(int line, const QString& stored)
    {
        const QString shown = phrase::withoutHint(cp1252::toUpper(stored)).phrase;
        if (shown.isEmpty())
            return false;

        if (shown.size() > mainlayout::displayCells)
            note(line, QStringLiteral("la frase tiene %1 caracteres; en pantalla caben %2")
                           .arg(QString::number(shown.size()),
                                QString::number(mainlayout::displayCells)));

        // A two-letter tag in brackets at the end, left in the phrase because it
        // is not written exactly as one of the three hints.
        static const QRegularExpression tag(QStringLiteral(R"([(\[]\s*\p{L}{2}\s*[)\]]?\W*$)"));
        if (const QRegularExpressionMatch match = tag.match(shown); match.hasMatch())
            note(line,
                 QStringLiteral("la pista «%1» no se reconoce: el juego solo quita (EN), (IT) "
                                "y (FR) del final y la deja en la frase")
                     .arg(stored.mid(match.capturedStart(), match.capturedLength())));

        const QString masked = phrase::mask(shown).display;
        const QString display = m_firstShown ? phrase::withFirstShown(masked, shown) : masked;
        if (display == shown) {
            note(line, QStringLiteral("la frase no tiene nada que adivinar: se ve entera desde el "
                                      "principio y la primera consonante o cifra que se juegue "
                                      "la gana"));
            return true;
        }
        QString unbuttoned;
        for (qsizetype p = 0; p < shown.size(); ++p) {
            const QChar c = shown[p];
            if (display[p] != c && !keyboard::hasKey(c) && !unbuttoned.contains(c))
                unbuttoned += c;
        }
        if (!unbuttoned.isEmpty()) {
            QStringList names;
            for (const QChar c : unbuttoned)
                names << characterName(c.unicode());
            note(line, QStringLiteral("la frase tiene caracteres que ningún botón descubre: %1; "
                                      "solo se resuelve escribiéndola")
                           .arg(names.join(QStringLiteral(", "))));
        }
        return true;
    }

    IniScan m_scan;
    Findings m_findings;
    bool m_firstShown = false;
};

} // namespace

Findings checkCategory(QByteArrayView text) { return CategoryCheck(text).run(); }

} // namespace checker
