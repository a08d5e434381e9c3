#include "app/Platform.h"

#include "app/Module1.h"

#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
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

void guardarIni(Platform& platform, QWidget* parent, const QString& file, const QString& section,
                const QString& key, const QString& value)
{
    if (!EscribirIni(file, section, key, value))
        platform.reportSaveFailure(parent);
}

void DesktopPlatform::messageBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
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

void DesktopPlatform::openHelp(QWidget*, const QString&)
{
    // The help viewer arrives with the help file.
}
