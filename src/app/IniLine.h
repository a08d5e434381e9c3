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

// The line of `text` that starts at `begin`. CRLF, LF and CR all end a line.
IniLine iniLineAt(QByteArrayView text, qsizetype begin);
