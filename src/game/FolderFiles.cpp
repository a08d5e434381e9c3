#include "game/FolderFiles.h"

#include "app/AppPath.h"
#include "app/Module1.h"
#include "words/CategoryFiles.h"

QString FolderFiles::chosenCategory()
{
    return LeerIni(settingsFile(m_appFolder), settings::section, settings::category);
}

QStringList FolderFiles::categories() { return categories::names(m_appFolder); }

bool FolderFiles::hasCategory(const QString& name) { return categories::exists(m_appFolder, name); }

QString FolderFiles::read(const QString& category, const QString& section, const QString& key)
{
    return LeerIni(categories::file(m_appFolder, category), section, key);
}

void FolderFiles::write(const QString& category, const QString& section, const QString& key,
                        const QString& value)
{
    if (!EscribirIni(categories::file(m_appFolder, category), section, key, value))
        m_saveFailed();
}
