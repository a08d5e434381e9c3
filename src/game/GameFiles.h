#pragma once

#include <QString>
#include <QStringList>

// The files a game in progress reads and writes: the application folder's INI
// files in the game, a table in a test. Values are read when they are needed
// and written at once, never kept.
class GameFiles {
public:
    virtual ~GameFiles() = default;

    // The category the settings name, "" when they name none.
    virtual QString chosenCategory() = 0;
    // The categories a player can choose, in order.
    virtual QStringList categories() = 0;
    // True when the category's file is there to be read and written.
    virtual bool hasCategory(const QString& name) = 0;

    virtual QString read(const QString& category, const QString& section, const QString& key) = 0;
    virtual void write(const QString& category, const QString& section, const QString& key,
                       const QString& value) = 0;
};
