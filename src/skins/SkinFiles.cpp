#include "skins/SkinFiles.h"

#include "app/AppPath.h"
#include "app/Controls.h"
#include "app/Module1.h"
#include "app/SafeFile.h"
#include "skins/Picture.h"
#include "skins/SkinNames.h"

namespace skins {

QString currentName(const QString& appFolder)
{
    return LeerIni(settingsFile(appFolder), QStringLiteral("Config"), QStringLiteral("Skin"));
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

void loadInto(ImageControl& holder, const ProgramPath& file)
{
    if (const std::optional<QImage> picture = loadPicture(file))
        holder.setPicture(*picture);
}

} // namespace skins
