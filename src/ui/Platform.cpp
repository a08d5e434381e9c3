#include "ui/Platform.h"

#include "app/Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, which they need.
#include <htmlhelp.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QProcess>
#include <QUrl>
#endif

void Platform::reportSaveFailure(QWidget* parent)
{
    if (m_saveFailureReported)
        return;
    m_saveFailureReported = true;
    messageBox(parent, QStringLiteral("Palabrino"),
               QStringLiteral("No se pueden guardar los datos del juego en su carpeta. "
                              "Las estadísticas y los cambios de esta partida no se "
                              "conservarán."));
}

void guardarIni(Platform& platform, QWidget* parent, const ProgramPath& file,
                const QString& section, const QString& key, const QString& value)
{
    if (!EscribirIni(file, section, key, value))
        platform.reportSaveFailure(parent);
}

void DesktopPlatform::messageBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    // A message may quote a file name, which is never markup.
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box.exec();
}

QString DesktopPlatform::inputBox(QWidget* parent, const QString& prompt, const QString& title)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

#ifdef Q_OS_WIN

namespace {

HWND windowOf(QWidget* owner)
{
    return owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
}

} // namespace

void DesktopPlatform::openLink(QWidget* owner, const QString& target)
{
    ShellExecuteW(windowOf(owner), L"open", reinterpret_cast<const wchar_t*>(target.utf16()),
                  nullptr, nullptr, SW_SHOW);
}

void DesktopPlatform::openHelp(QWidget* owner, const QString& file)
{
    // Ours, not one of that name in the working folder, which may be another program's.
    const QString path = QDir::toNativeSeparators(
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(file));
    HtmlHelpW(windowOf(owner), reinterpret_cast<const wchar_t*>(path.utf16()), HH_DISPLAY_TOPIC, 0);
}

#else

void DesktopPlatform::openLink(QWidget*, const QString& target)
{
    QDesktopServices::openUrl(QUrl(target));
}

void DesktopPlatform::openHelp(QWidget*, const QString& file)
{
    // Our viewer runs as a process of its own, so it stays open like the Windows one.
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QProcess::startDetached(programFolder.filePath(QStringLiteral("palabrino-ayuda")), {file});
}

#endif
