#pragma once

#include <QByteArrayView>

// One line of an INI file, as the Windows private-profile functions read it.
struct IniLine {
    enum class Kind { Other, Header, Key };

    Kind kind = Kind::Other;
    qsizetype begin = 0;      // its first byte
    qsizetype contentEnd = 0; // the first byte of its line ending
    qsizetype end = 0;        // the first byte of the next line
    QByteArrayView name;      // a section or key name, without surrounding blanks
    QByteArrayView value;     // a key's value, without surrounding blanks

    bool hasLineEnding() const { return end > contentEnd; }
};

// The lines of a text, one after another. CRLF, LF and CR all end a line.
// Category files run to megabytes, so line ends are found with memchr and
// remembered from line to line: a whole scan reads the text about twice.
class IniLines {
public:
    explicit IniLines(QByteArrayView text) : m_text(text) {}

    bool atEnd() const { return m_at >= m_text.size(); }
    IniLine next();
    // Passes over every line up to the next section header, or to the end.
    void skipToHeader();

private:
    qsizetype nextOf(char byte, qsizetype& remembered) const;
    bool startsLine(qsizetype position) const;

    QByteArrayView m_text;
    qsizetype m_at = 0;
    qsizetype m_nextCr = -1;
    qsizetype m_nextLf = -1;
};

// The line of `text` that starts at `begin`.
IniLine iniLineAt(QByteArrayView text, qsizetype begin);
