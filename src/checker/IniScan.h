#pragma once

#include "checker/Finding.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace checker {

struct IniKey {
    QString name;
    int line = 0;
};

struct IniSection {
    QString name;
    int line = 0;
    std::vector<IniKey> keys; // in file order
};

// The sections and keys of an INI text that the game reads, each with the line
// it stands on: the first section of a name and the first key of a name in it,
// names matched without regard to case. What the game would pass over (repeated
// names, lines it cannot read, cut values, text in another encoding) becomes a
// finding. The text must outlive the scan.
class IniScan {
public:
    explicit IniScan(QByteArrayView text);

    // False for text the game cannot read at all (UTF-16); nothing else was scanned.
    bool isReadable() const { return m_readable; }
    const std::vector<IniSection>& sections() const { return m_sections; }
    const IniSection* section(QStringView name) const;
    const IniKey* key(const IniSection& section, QStringView name) const;
    // The value as the game reads it: one pair of quotes off, at most 254 characters.
    QString value(const IniSection& section, const IniKey& key) const;

    const Findings& findings() const { return m_findings; }

private:
    void scanLine(QByteArrayView content, int line);
    void note(int line, const QString& message) { m_findings.push_back({{}, line, message}); }

    QByteArrayView m_text;
    bool m_readable = true;
    bool m_utf8Mark = false;
    std::vector<IniSection> m_sections;
    std::optional<std::size_t> m_current; // the section being read; none outside or in a repeat
    bool m_inRepeat = false;
    Findings m_findings;
};

// The keys one section must hold. A missing section is noted once, a missing
// key at the section's header, a bad value at its own line.
class RequiredSection {
public:
    RequiredSection(const IniScan& scan, const QString& name, Findings& findings);

    bool exists() const { return m_section != nullptr; }
    // The value, or none when the key is missing.
    std::optional<QString> text(const QString& key);
    // A value that must not be empty.
    void description(const QString& key);
    // A value the game reads as a number.
    std::optional<double> number(const QString& key);
    // A number that must be whole and within low..high.
    std::optional<int> wholeNumber(const QString& key, int low, int high);

private:
    std::optional<QString> nonEmpty(const QString& key, const IniKey*& found,
                                    const QString& emptyNote);

    const IniScan& m_scan;
    const IniSection* m_section;
    QString m_name;
    Findings& m_findings;
};

} // namespace checker
