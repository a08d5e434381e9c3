#include "app/Module1.h"

#include "app/IniText.h"
#include "app/SafeFile.h"

QString LeerIni(const ProgramPath& file, const QString& section, const QString& key)
{
    const std::optional<QString> path = nativePath(file);
    if (!path)
        return {};
    const std::optional<QByteArray> text = safefile::readAll(*path);
    return text ? ini::readValue(*text, section, key) : QString();
}

bool EscribirIni(const ProgramPath& file, const QString& section, const QString& key,
                 const QString& value)
{
    const std::optional<QString> path = nativePath(file);
    return path && safefile::replace(*path, [&](const QByteArray& current) {
               return ini::writeValue(current, section, key, value);
           });
}
