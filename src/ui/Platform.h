#pragma once

#include "app/AppPath.h"

#include <QString>

class QWidget;

// The services of the desktop the game relies on, behind one interface so
// that tests answer dialogs and catch links without a person or a browser.
class Platform {
public:
    virtual ~Platform() = default;

    // Modal box with a title, a text and an OK button.
    virtual void messageBox(QWidget* parent, const QString& title, const QString& text) = 0;
    // Modal box with a prompt and an empty field: the typed text, "" on Cancel.
    virtual QString inputBox(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // Hands a web address or a "mailto:" link to the desktop; failures are ignored.
    virtual void openLink(QWidget* owner, const QString& target) = 0;
    // Opens a compiled help file on its default topic; failures are ignored.
    virtual void openHelp(QWidget* owner, const QString& file) = 0;

    // Tells the player, once per run, that the game cannot save its data.
    void reportSaveFailure(QWidget* parent);

private:
    bool m_saveFailureReported = false;
};

// Writes an INI value and, when that fails, lets the player know once.
void guardarIni(Platform& platform, QWidget* parent, const ProgramPath& file,
                const QString& section, const QString& key, const QString& value);

// The real desktop: Qt's dialogs; links and help through the shell and HTML
// Help on Windows, through QDesktopServices and our own viewer elsewhere.
class DesktopPlatform : public Platform {
public:
    void messageBox(QWidget* parent, const QString& title, const QString& text) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& title) override;
    void openLink(QWidget* owner, const QString& target) override;
    void openHelp(QWidget* owner, const QString& file) override;
};
