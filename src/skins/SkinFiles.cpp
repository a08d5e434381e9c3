#include "skins/SkinFiles.h"

#include "app/AppPath.h"
#include "app/Controls.h"
#include "app/Module1.h"
#include "skins/Picture.h"
#include "skins/SkinNames.h"

#include <QFile>
#include <QFileInfo>

namespace skins {

QString currentName(const QString& appFolder)
{
    return LeerIni(settingsFile(appFolder), QStringLiteral("Config"), QStringLiteral("Skin"));
}

QString folder(const QString& appFolder, const QString& name)
{
    return joinPath(skinsFolder(appFolder), name);
}

std::optional<QImage> loadPicture(const QString& file)
{
    const std::optional<QString> path = nativePath(file);
    // Only a plain file: a pipe or a device under a picture's name would never end.
    if (!path || !QFileInfo(*path).isFile())
        return std::nullopt;
    QFile picture(*path);
    if (!picture.open(QIODevice::ReadOnly))
        return std::nullopt;
    return pictureFrom(picture.read(maxPictureBytes + 1));
}

void loadInto(ImageControl& holder, const QString& file)
{
    if (const std::optional<QImage> picture = loadPicture(file))
        holder.setPicture(*picture);
}

} // namespace skins
