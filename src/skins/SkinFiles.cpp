#include "skins/SkinFiles.h"

#include "app/AppPath.h"
#include "app/Module1.h"

#include <QDir>
#include <QImageReader>

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
    QStringList found = QDir(*path).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                              QDir::Name | QDir::IgnoreCase);
    // A name with a backslash would be read as a path of its own.
    found.removeIf([](const QString& name) { return name.contains('\\'); });
    return found.mid(0, maxListed);
}

QString folder(const QString& appFolder, const QString& name)
{
    return joinPath(appFolder, QStringLiteral("Skins\\")) + name + '\\';
}

std::optional<QPixmap> loadPicture(const QString& file)
{
    const std::optional<QString> path = nativePath(file);
    if (!path)
        return std::nullopt;
    QImageReader reader(*path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxPictureSide || size.height() > maxPictureSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image))
        return std::nullopt;
    return QPixmap::fromImage(image);
}

} // namespace skins
