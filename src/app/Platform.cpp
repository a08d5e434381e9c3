#include "app/Platform.h"

#include "app/Module1.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

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

void DesktopPlatform::openLink(QWidget*, const QString& target)
{
    QDesktopServices::openUrl(QUrl(target));
}

void DesktopPlatform::openHelp(QWidget*, const QString& file)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
#ifdef Q_OS_WIN
    // Windows opens compiled help files in its own HTML Help viewer.
    // Ours first: another program's file of that name may lie in the working folder.
    const QString own = programFolder.filePath(file);
    const QString found = QFileInfo::exists(own) ? own : file;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(found).absoluteFilePath()));
#else
    // Our viewer runs as a process of its own, so it stays open like the Windows one.
    QProcess::startDetached(programFolder.filePath(QStringLiteral("palabrino-ayuda")), {file});
#endif
}
