#pragma once

#include "app/AppPath.h"

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
    // The game's path of a relative name written with '/' or '\\'.
    ProgramPath programPath(const QString& relative) const;
    // Native path of a relative name written with '/' separators.
    QString nativeFile(const QString& relative) const;

    void write(const QString& relative, const QByteArray& bytes) const;
    // What an archive may hold where the game expects a file: a named pipe, a
    // link (to a device, say) and a file of `bytes` that takes no disk space.
#ifndef Q_OS_WIN
    void pipe(const QString& relative) const;
    void link(const QString& relative, const QString& target) const;
#endif
    void sparse(const QString& relative, qint64 bytes) const;

    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // Every name in a folder, hidden ones too: what a write left behind.
    QStringList entries(const QString& relative = {}) const;

private:
    QTemporaryDir m_dir;
};

// INI text in Windows-1252 with CRLF line ends, from lines written in UTF-8.
QByteArray iniText(std::initializer_list<const char*> lines);
