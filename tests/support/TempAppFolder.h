#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>

// A throw-away application folder with helpers to lay real files in it.
class TempAppFolder {
public:
    TempAppFolder();

    // The folder as the game names it (native, no trailing separator).
    QString path() const { return m_dir.path(); }
    // The program-form path of a relative name: folder + "\" + relative.
    QString programPath(const QString& relative) const;
    // Native path of a relative name written with '/' separators.
    QString nativeFile(const QString& relative) const;

    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Every name in a folder, hidden ones too: what a write left behind.
    QStringList entries(const QString& relative = {}) const;

private:
    QTemporaryDir m_dir;
};

// INI text in Windows-1252 with CRLF line ends, from lines written in UTF-8.
QByteArray iniText(std::initializer_list<const char*> lines);
