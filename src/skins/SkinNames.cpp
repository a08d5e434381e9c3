#include "skins/SkinNames.h"

#include "app/AppPath.h"
#include "app/IniText.h"

#include <QDir>

namespace skins {

ProgramPath skinsFolder(const QString& appFolder)
{
    return joinPath(appFolder, QStringLiteral("Skins"));
}

QString pictures::gallows(int failures) { return QStringLiteral("%1.gif").arg(failures); }

ProgramPath infoFile(const ProgramPath& skinFolder)
{
    return joinPath(skinFolder, QStringLiteral("info.ini"));
}

Listing listing(const QString& appFolder)
{
    Listing result;
    const std::optional<QString> path = nativePath(skinsFolder(appFolder));
    if (!path)
        return result;
    for (const QString& name :
         QDir(*path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
        if (!staysInFolder(name))
            result.leftOut.push_back({name, LeftOut::Why::Separator});
        // Chosen, it would come back from the settings as another name and the
        // game would start without a skin.
        else if (!ini::keepsValue(name))
            result.leftOut.push_back({name, LeftOut::Why::Unstorable});
        else
            result.names.append(name);
    }
    return result;
}

QStringList names(const QString& appFolder) { return listing(appFolder).names.mid(0, maxListed); }

} // namespace skins
