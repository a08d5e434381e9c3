#pragma once

#include "ui/Platform.h"

#include <QStringList>

// Answers the game's dialogs from a script and records what it showed.
class FakePlatform : public Platform {
public:
    void messageBox(QWidget*, const QString&, const QString& text) override { messages << text; }

    QString inputBox(QWidget*, const QString&, const QString&) override
    {
        ++prompts;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    void openLink(QWidget*, const QString& target) override { links.append(target); }
    void openHelp(QWidget*, const QString& file) override { helpFiles.append(file); }

    QStringList answers;
    QStringList messages;
    int prompts = 0;
    QStringList links;
    QStringList helpFiles;
};
