#include "help/HelpFile.h"

#include "app/AppPath.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> locateHelpFile(const QString& name, const QString& programFolder,
                                      const QString& workingFolder)
{
    if (name.isEmpty())
        return std::nullopt;
    if (QDir::isAbsolutePath(name))
        return QFileInfo(name).isFile() ? std::optional(name) : std::nullopt;
    for (const QString& folder : {programFolder, workingFolder}) {
        const auto path = nativePath(joinPath(folder, name));
        if (path && QFileInfo(*path).isFile())
            return path;
    }
    return std::nullopt;
}
