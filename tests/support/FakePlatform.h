#pragma once

#include "app/Platform.h"

#include <QStringList>

#include <deque>

// Answers the game's dialogs from a script and records what it showed.
class FakePlatform : public Platform {
public:
    struct Message {
        QString title;
        QString text;
    };

    void messageBox(QWidget*, const QString& title, const QString& text) override
    {
        messages.push_back({title, text});
    }

    QString inputBox(QWidget*, const QString& prompt, const QString& title) override
    {
        prompts.push_back({title, prompt});
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void openLink(QWidget*, const QString& target) override { links.append(target); }
    void openHelp(QWidget*, const QString& file) override { helpFiles.append(file); }

    std::deque<QString> answers;
    std::vector<Message> messages;
    std::vector<Message> prompts;
    QStringList links;
    QStringList helpFiles;
};
