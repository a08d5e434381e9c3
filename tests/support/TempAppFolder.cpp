#include "support/TempAppFolder.h"

#include "app/AppPath.h"
#include "app/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempAppFolder::TempAppFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary application folder");
}

QString TempAppFolder::programPath(const QString& relative) const
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
