#include "skins/SkinFiles.h"

#include "app/AppPath.h"
#include "app/Module1.h"
#include "app/SafeFile.h"
#include "skins/Picture.h"
#include "skins/SkinNames.h"

namespace skins {

QString currentName(const QString& appFolder)
{
    return LeerIni(settingsFile(appFolder), settings::section, settings::skin);
}

ProgramPath folder(const QString& appFolder, const QString& name)
{
    return joinPath(skinsFolder(appFolder), name);
}

std::optional<QImage> loadPicture(const ProgramPath& file)
{
    const std::optional<QString> path = nativePath(file);
    if (!path)
        return std::nullopt;
    const std::optional<QByteArray> bytes = safefile::readAll(*path, maxPictureBytes);
    return bytes ? pictureFrom(*bytes) : std::nullopt;
}

} // namespace skins
