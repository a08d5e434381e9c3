#include "app/AppPath.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The name in `folder` that `name` stands for: the exact one, else the first
// that differs only in case.
std::optional<QString> existingName(const QString& folder, const QString& name)
{
    const QDir dir(folder);
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

// A folder the system gives may end in its separator: a drive, the root.
QString withSeparator(const QString& folder)
{
    return folder.isEmpty() || QDir::fromNativeSeparators(folder).endsWith(u'/') ? folder
                                                                                 : folder + u'/';
}

} // namespace

ProgramPath joinPath(const ProgramPath& path, const QString& name)
{
    return {path.folder, path.relative.isEmpty() ? name : path.relative + u'\\' + name};
}

ProgramPath joinPath(const QString& folder, const QString& name)
{
    return joinPath(ProgramPath{folder, {}}, name);
}

ProgramPath settingsFile(const QString& appFolder)
{
    return joinPath(appFolder, QStringLiteral("datos.ini"));
}

bool staysInFolder(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'\\') &&
           !name.contains(u'/') && !name.contains(QChar(0));
}

std::optional<QString> nativePath(const ProgramPath& path)
{
    if (path.relative.isEmpty())
        return path.folder.isEmpty() ? std::nullopt : std::optional(path.folder);
    const QStringList components = QString(path.relative).replace(u'/', u'\\').split(u'\\');
    for (const QString& component : components) {
        if (!staysInFolder(component))
            return std::nullopt;
    }
    const QString folder = withSeparator(path.folder);
    // Spelt as on disk, the usual case, it needs one look instead of one a folder.
    const QString exact = folder + components.join(u'/');
    if (QFileInfo::exists(exact))
        return QDir::toNativeSeparators(exact);

    QString found = folder;
    for (const QString& component : components) {
        // A missing name keeps its spelling, and so does everything below it.
        found += existingName(found, component).value_or(component);
        found += u'/';
    }
    found.chop(1);
    return QDir::toNativeSeparators(found);
}
