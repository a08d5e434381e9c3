#pragma once

#include "game/GameFiles.h"

#include <functional>

// A game's files in an application folder: the settings file and the
// category files of its Categorias folder.
class FolderFiles : public GameFiles {
public:
    // saveFailed is called for every write that stored nothing.
    FolderFiles(QString appFolder, std::function<void()> saveFailed)
        : m_appFolder(std::move(appFolder)), m_saveFailed(std::move(saveFailed))
    {
    }

    QString chosenCategory() override;
    QStringList categories() override;
    bool hasCategory(const QString& name) override;
    QString read(const QString& category, const QString& section, const QString& key) override;
    void write(const QString& category, const QString& section, const QString& key,
               const QString& value) override;

private:
    QString m_appFolder;
    std::function<void()> m_saveFailed;
};
