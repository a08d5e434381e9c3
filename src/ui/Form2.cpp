#include "ui/Form2.h"

#include "app/AppPath.h"
#include "app/MainLayout.h"
#include "skins/SkinFiles.h"
#include "skins/SkinNames.h"
#include "ui/Controls.h"
#include "ui/WindowTwips.h"

#include <QKeyEvent>
#include <QPointer>

Form2::Form2(const QString& appFolder, QWidget* resumeTyping)
    : m_appFolder(appFolder), m_resumeTyping(resumeTyping)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Form2"));
    // A bare picture laid over the game, without a title bar.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(mainlayout::resultSize);

    const auto image = [this](const char* name, const QRect& rect, bool visible) {
        auto* control = new ImageControl(this, rect, false);
        control->setObjectName(QString::fromLatin1(name));
        control->setVisible(visible);
        return control;
    };
    Image1 =
        image("Image1", twips::rect(0, 0, mainlayout::resultWidth, mainlayout::resultHeight), true);
    Pun = image("Pun", twips::rect(120, 120, 1620, 540), false);
    Gan = image("Gan", twips::rect(120, 720, 1620, 660), false);
    Per = image("Per", twips::rect(1800, 120, 1620, 540), false);

    connect(Image1, &ImageControl::mousePressed, this, &Form2::Image1_MouseDown);
    Form_Load();
}

void Form2::Form_Load() { loadPictures(); }

void Form2::loadPictures()
{
    const ProgramPath folder = skins::folder(m_appFolder, skins::currentName(m_appFolder));
    const std::pair<ImageControl*, QLatin1String> holders[] = {{Pun, skins::pictures::noPoints},
                                                               {Gan, skins::pictures::won},
                                                               {Per, skins::pictures::lost}};
    for (const auto& [holder, file] : holders)
        holder->loadPicture(joinPath(folder, file));
}

void Form2::keyPressEvent(QKeyEvent* event)
{
    // Keys that type something close the window; arrows, Shift and the like do not.
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    closeAndResume();
}

void Form2::Image1_MouseDown() { closeAndResume(); }

void Form2::closeAndResume()
{
    QPointer<QWidget> resume = m_resumeTyping;
    close();
    if (resume) {
        resume->activateWindow();
        resume->setFocus();
    }
}
