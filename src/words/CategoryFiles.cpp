#include "words/CategoryFiles.h"

#include "app/AppPath.h"
#include "app/IniText.h"
#include "app/Numbers.h"
#include "app/SafeFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace categories {

ProgramPath folder(const QString& appFolder)
{
    return joinPath(appFolder, QStringLiteral("Categorias"));
}

ProgramPath file(const QString& appFolder, const QString& name)
{
    return joinPath(folder(appFolder), name + QStringLiteral(".ini"));
}

bool exists(const QString& appFolder, const QString& name)
{
    if (!staysInFolder(name))
        return false;
    const std::optional<QString> path = nativePath(file(appFolder, name));
    // One the game would not read is as good as missing: it would deal nothing
    // and refuse every write.
    return path && !safefile::refusal(*path);
}

Listing listing(const QString& appFolder)
{
    Listing result;
    const std::optional<QString> path = nativePath(folder(appFolder));
    if (!path)
        return result;
    QDir dir(*path);
    dir.setNameFilters({QStringLiteral("*.ini")});
    // Folders, pipes and devices too, to be named as left out.
    dir.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : dir.entryInfoList()) {
        const QString name = info.fileName().chopped(4);
        if (const std::optional<safefile::Unread> why = safefile::refusal(info.filePath()))
            result.leftOut.push_back({info.fileName(), LeftOut::Why::Unread, *why});
        else if (!staysInFolder(name))
            result.leftOut.push_back({info.fileName(), LeftOut::Why::Separator});
        // Chosen, it would come back from the settings as another name and the
        // game would quietly play some other category.
        else if (!ini::keepsValue(name))
            result.leftOut.push_back({info.fileName(), LeftOut::Why::Unstorable});
        else
            result.names.append(name);
    }
    return result;
}

QStringList names(const QString& appFolder) { return listing(appFolder).names; }

std::int16_t storedCount(const QString& text)
{
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return 0;
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return *toInteger16(std::clamp(*number, low, high));
}

double storedNumber(const QString& text) { return numberFromText(text).value_or(0); }

std::int16_t raisedCount(const QString& text)
{
    // One is added before rounding: a stored 2.5 becomes 4, not 3.
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    return *toInteger16(std::clamp(storedNumber(text) + 1, low, high));
}

} // namespace categories
