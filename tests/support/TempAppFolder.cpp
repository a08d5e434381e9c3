#include "support/TempAppFolder.h"

#include "app/AppPath.h"
#include "app/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

TempAppFolder::TempAppFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary application folder");
}

ProgramPath TempAppFolder::programPath(const QString& relative) const
{
    return joinPath(path(), QString(relative).replace('/', '\\'));
}

QString TempAppFolder::nativeFile(const QString& relative) const { return path() + '/' + relative; }

void TempAppFolder::write(const QString& relative, const QByteArray& bytes) const
{
    const QString file = nativeFile(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file " + file.toStdString());
}

#ifndef Q_OS_WIN
void TempAppFolder::pipe(const QString& relative) const
{
    const QString file = nativeFile(relative);
    QDir().mkpath(QFileInfo(file).path());
    if (::mkfifo(QFile::encodeName(file).constData(), 0600) != 0)
        throw std::runtime_error("cannot make a pipe " + file.toStdString());
}

void TempAppFolder::link(const QString& relative, const QString& target) const
{
    const QString file = nativeFile(relative);
    QDir().mkpath(QFileInfo(file).path());
    if (!QFile::link(target, file))
        throw std::runtime_error("cannot make a link " + file.toStdString());
}

#endif

void TempAppFolder::sparse(const QString& relative, qint64 bytes) const
{
    write(relative, {});
    if (!QFile::resize(nativeFile(relative), bytes))
        throw std::runtime_error("cannot grow " + relative.toStdString());
}

QByteArray TempAppFolder::read(const QString& relative) const
{
    QFile in(nativeFile(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

bool TempAppFolder::exists(const QString& relative) const
{
    return QFileInfo::exists(nativeFile(relative));
}

QStringList TempAppFolder::entries(const QString& relative) const
{
    return QDir(nativeFile(relative))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray iniText(std::initializer_list<const char*> lines)
{
    QByteArray text;
    for (const char* line : lines)
        text += cp1252::encode(QString::fromUtf8(line)) + "\r\n";
    return text;
}
