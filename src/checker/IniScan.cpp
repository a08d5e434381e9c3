#include "checker/IniScan.h"

#include "app/Cp1252.h"
#include "app/IniLine.h"
#include "app/IniText.h"
#include "app/Numbers.h"

#include <QStringList>
#include <QUtf8StringView>

#include <cmath>

namespace checker {
namespace {

const QByteArrayView utf8Mark("\xEF\xBB\xBF");

// Multi-byte UTF-8 sequences in a line of Windows-1252 text, as the game would
// show them and as they were meant.
QString utf8Lookalikes(QByteArrayView line)
{
    QStringList pairs;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const auto lead = static_cast<unsigned char>(line[at]);
        const qsizetype length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
        if (length == 0 || at + length > line.size())
            continue;
        const QByteArrayView sequence = line.sliced(at, length);
        if (!QUtf8StringView(sequence).isValidUtf8())
            continue;
        pairs << QStringLiteral("«%1» en lugar de «%2»")
                     .arg(cp1252::decode(sequence), QString::fromUtf8(sequence));
        at += length - 1;
    }
    pairs.removeDuplicates();
    return pairs.join(QStringLiteral(", "));
}

} // namespace

IniScan::IniScan(QByteArrayView text) : m_text(text)
{
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") || text.contains('\0')) {
        note(1, QStringLiteral("el archivo está en UTF-16 o tiene bytes nulos; el juego solo lee "
                               "texto Windows-1252"));
        m_readable = false;
        return;
    }
    m_utf8Mark = text.startsWith(utf8Mark);
    if (m_utf8Mark)
        note(1, QStringLiteral("el archivo empieza con la marca de UTF-8 y el juego no entiende su "
                               "primera línea; guárdelo en Windows-1252"));

    int number = 0;
    for (IniLines lines(text); !lines.atEnd();) {
        const IniLine line = lines.next();
        ++number;
        QByteArrayView content = text.sliced(line.begin, line.contentEnd - line.begin);
        if (number == 1 && m_utf8Mark)
            content = content.sliced(utf8Mark.size());
        if (const QString lookalikes = utf8Lookalikes(content); !lookalikes.isEmpty())
            note(number, QStringLiteral("el texto parece UTF-8: el juego muestra %1; guárdelo en "
                                        "Windows-1252")
                             .arg(lookalikes));
        if (number == 1 && m_utf8Mark)
            continue;
        scanLine(content, number);
    }
}

void IniScan::scanLine(QByteArrayView content, int number)
{
    const IniLine line = iniLineAt(content, 0);
    const QString name = cp1252::decode(line.name);
    if (line.kind == IniLine::Kind::Header) {
        if (const IniSection* first = section(name)) {
            note(number,
                 QStringLiteral("la sección [%1] ya empezó en la línea %2; el juego solo lee "
                                "la primera")
                     .arg(name, QString::number(first->line)));
            m_current.reset();
            m_inRepeat = true;
        } else {
            m_current = m_sections.size();
            m_sections.push_back({name, number, {}});
        }
    } else if (line.kind == IniLine::Kind::Key) {
        if (m_inRepeat)
            return;
        if (!m_current) {
            note(number,
                 QStringLiteral("la clave %1 está fuera de toda sección; el juego no la lee")
                     .arg(name));
            return;
        }
        IniSection& current = m_sections[*m_current];
        if (const IniKey* first = key(current, name)) {
            note(number, QStringLiteral("la clave %1 ya está en la línea %2; el juego solo lee la "
                                        "primera")
                             .arg(name, QString::number(first->line)));
            return;
        }
        current.keys.push_back({name, number});
        if (const qsizetype length = ini::unquoted(line.value).size(); length > ini::maxValueLength)
            note(number, QStringLiteral("el valor tiene %1 caracteres; el juego solo lee los "
                                        "primeros %2")
                             .arg(QString::number(length), QString::number(ini::maxValueLength)));
    } else {
        const QByteArrayView trimmed = content.trimmed();
        if (!trimmed.isEmpty() && !trimmed.startsWith(';'))
            note(number, QStringLiteral("la línea no es una sección ni una clave (falta «=»); el "
                                        "juego la ignora"));
    }
}

const IniSection* IniScan::section(QStringView name) const
{
    for (const IniSection& section : m_sections) {
        if (ini::sameName(cp1252::encode(section.name), name))
            return &section;
    }
    return nullptr;
}

const IniKey* IniScan::key(const IniSection& section, QStringView name) const
{
    for (const IniKey& key : section.keys) {
        if (ini::sameName(cp1252::encode(key.name), name))
            return &key;
    }
    return nullptr;
}

QString IniScan::value(const IniSection& section, const IniKey& key) const
{
    return ini::readValue(m_text, section.name, key.name);
}

RequiredSection::RequiredSection(const IniScan& scan, const QString& name, Findings& findings)
    : m_scan(scan), m_section(scan.section(name)), m_name(name), m_findings(findings)
{
    if (!m_section)
        m_findings.push_back({{}, 0, QStringLiteral("falta la sección [%1]").arg(name)});
}

std::optional<QString> RequiredSection::text(const QString& key)
{
    if (!m_section)
        return std::nullopt;
    const IniKey* found = m_scan.key(*m_section, key);
    if (!found) {
        m_findings.push_back(
            {{}, m_section->line, QStringLiteral("falta la clave %1 en [%2]").arg(key, m_name)});
        return std::nullopt;
    }
    return m_scan.value(*m_section, *found);
}

std::optional<QString> RequiredSection::nonEmpty(const QString& key, const IniKey*& found,
                                                 const QString& emptyNote)
{
    const std::optional<QString> value = text(key);
    found = value ? m_scan.key(*m_section, key) : nullptr;
    if (value && value->isEmpty()) {
        m_findings.push_back({{}, found->line, emptyNote.arg(found->name)});
        return std::nullopt;
    }
    return value;
}

void RequiredSection::description(const QString& key)
{
    const IniKey* found = nullptr;
    nonEmpty(key, found, QStringLiteral("la clave %1 está vacía"));
}

std::optional<double> RequiredSection::number(const QString& key)
{
    const IniKey* found = nullptr;
    const std::optional<QString> value =
        nonEmpty(key, found, QStringLiteral("la clave %1 está vacía; debe ser un número"));
    if (!value)
        return std::nullopt;
    const std::optional<double> number = numberFromText(*value);
    if (!number)
        m_findings.push_back(
            {{},
             found->line,
             QStringLiteral("la clave %1 no es un número: «%2»").arg(found->name, *value)});
    return number;
}

std::optional<int> RequiredSection::wholeNumber(const QString& key, int low, int high)
{
    const std::optional<double> number = this->number(key);
    if (!number)
        return std::nullopt;
    if (std::trunc(*number) != *number || *number < low || *number > high) {
        const IniKey* found = m_scan.key(*m_section, key);
        m_findings.push_back(
            {{},
             found->line,
             QStringLiteral("la clave %1 debe ser un número entero de %2 a %3: «%4»")
                 .arg(found->name, QString::number(low), QString::number(high),
                      m_scan.value(*m_section, *found))});
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

} // namespace checker
