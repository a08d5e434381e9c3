#include "app/AppPath.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name in `folder` that `name` stands for: the exact one, else the first
// that differs only in case.
std::optional<QString> existingName(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return std::nullopt;
}

bool isDrive(const QString& component)
{
#ifdef Q_OS_WIN
    return component.size() == 2 && component[0].isLetter() && component[1] == u':';
#else
    Q_UNUSED(component);
    return false;
#endif
}

} // namespace

QString joinPath(const QString& folder, const QString& relative)
{
    return folder + u'\\' + relative;
}

QString settingsFile(const QString& appFolder)
{
    return joinPath(appFolder, QStringLiteral("datos.ini"));
}

std::optional<QString> nativePath(const QString& programPath)
{
    QStringList components = QString(programPath).replace(u'/', u'\\').split(u'\\');

    QString path;
    if (components.size() > 1 && (components.front().isEmpty() || isDrive(components.front())))
        path = components.takeFirst() + u'/';

    for (const QString& component : std::as_const(components)) {
        if (component.isEmpty() || component == u"." || component == u"..")
            return std::nullopt;
    }
    // Spelt as on disk, the usual case, it needs one look instead of one a folder.
    const QString exact = path + components.join(u'/');
    if (QFileInfo::exists(exact))
        return QDir::toNativeSeparators(exact);

    for (const QString& component : std::as_const(components)) {
        // A missing name keeps its spelling, and so does everything below it.
        path += existingName(path, component).value_or(component);
        path += u'/';
    }
    path.chop(1);
    return QDir::toNativeSeparators(path);
}
