#include "skins/SkinFiles.h"

#include "app/AppPath.h"
#include "app/Controls.h"
#include "app/Module1.h"
#include "skins/Picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace skins {

QString currentName(const QString& appFolder)
{
    return LeerIni(joinPath(appFolder, QStringLiteral("Datos.ini")), QStringLiteral("Config"),
                   QStringLiteral("Skin"));
}

QStringList names(const QString& appFolder)
{
    const std::optional<QString> path = nativePath(joinPath(appFolder, QStringLiteral("Skins")));
    if (!path)
        return {};
    QStringList found =
        QDir(*path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    // A name with a backslash would be read as a path of its own.
    found.removeIf([](const QString& name) { return name.contains('\\'); });
    return found.mid(0, maxListed);
}

QString folder(const QString& appFolder, const QString& name)
{
    return joinPath(appFolder, QStringLiteral("Skins\\")) + name + '\\';
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
