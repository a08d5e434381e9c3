#include "ui/Form3.h"

#include "app/MailLink.h"
#include "app/Maker.h"
#include "skins/Colors.h"
#include "ui/AppIcon.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/Platform.h"
#include "ui/WindowTwips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {

constexpr QRgb hover = fromBgr(0x00A76941);

} // namespace

Form3::Form3(Form1& main) : m_main(main)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Acerca de..."));
    setFixedSize(twips::toPixels(3255), twips::toPixels(2325));
    setColour(*this, QPalette::Window, QColor(hover));
    setAutoFillBackground(true);

    const auto label = [this](const QString& text, const QRect& rect, const QFont& font,
                              QRgb colour, Qt::Alignment alignment) {
        auto* control = new QLabel(text, this);
        control->setGeometry(rect);
        control->setFont(font);
        control->setAlignment(alignment | Qt::AlignTop);
        setColour(*control, QPalette::WindowText, QColor(colour));
        return control;
    };

    Shape1 = new ShapeControl(this, twips::rect(0, 720, 3255, 1335), Qt::white);
    Shape2 = new ShapeControl(this, twips::rect(0, 2040, 3255, 375), Qt::white);

    B = new QLabel(this);
    B->setObjectName(QStringLiteral("B"));
    B->setGeometry(twips::rect(120, 120, 510, 510));
    B->setPixmap(appIcon().pixmap(32, 32));
    B->setAlignment(Qt::AlignCenter);
    B->setFocusPolicy(Qt::StrongFocus);

    const QFont title = tahoma(9.75);
    const QFont text = tahoma(8.25);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb black = qRgb(0, 0, 0);
    A.add(0, label(QStringLiteral("Palabrino"), twips::rect(720, 120, 1335, 255), title, white,
                   Qt::AlignLeft));
    A.add(1, label(QStringLiteral("v. 2.2002.811"), twips::rect(720, 360, 1335, 255), title, white,
                   Qt::AlignLeft));
    A.add(2, label(QString::fromUtf8("© 2002 Estudio Ejemplo"), twips::rect(0, 1320, 3255, 255),
                   text, black, Qt::AlignHCenter));
    A.add(3, label(QStringLiteral("Programado por: Equipo Palabrino"),
                   twips::rect(0, 2070, 3255, 255), tahoma(8.25, true), black, Qt::AlignHCenter));
    for (const auto& [index, control] : A)
        control->setObjectName(QStringLiteral("A(%1)").arg(index));

    Image1 = new ImageControl(this, twips::rect(2880, 120, 240, 240), false);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(QImage(QStringLiteral(":/about/cruz.png")));

    C = new QLabel(this);
    C->setObjectName(QStringLiteral("C"));
    C->setGeometry(twips::rect(1200, 840, 840, 420));
    C->setPixmap(QPixmap(QStringLiteral(":/about/logo.png")));

    Label1 = label(QString::fromLatin1(maker::webAddress), twips::rect(0, 1560, 3135, 255), text,
                   black, Qt::AlignHCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Mail = label(QString::fromLatin1(maker::mailAddress), twips::rect(0, 1800, 3255, 255), text,
                 black, Qt::AlignHCenter);
    Mail->setObjectName(QStringLiteral("Mail"));

    D.add(1, new LineControl(this, 0, 0, 3240, 0));
    D.add(2, new LineControl(this, 0, 0, 0, 2760));
    D.add(0, new LineControl(this, 3240, 2760, 3240, 0));
    D.add(4, new LineControl(this, 0, 720, 3240, 720));
    D.add(3, new LineControl(this, 0, 3240, 3240, 3240));
    Line1 = new LineControl(this, 0, 2310, 3240, 2310);

    for (QWidget* control :
         {static_cast<QWidget*>(B), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Mail)}) {
        control->installEventFilter(this);
        control->setMouseTracking(true);
    }
    connect(Image1, &ImageControl::clicked, this, &QWidget::close);
    B->setFocus();

    // Opens centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool Form3::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == B) {
            B_KeyDown();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (watched == Label1)
            Label1_MouseMove();
        else if (watched == Mail)
            Mail_MouseMove();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (watched == Label1)
                Label1_Click();
            else if (watched == Mail)
                Mail_Click();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::B_KeyDown() { close(); }

void Form3::Label1_Click()
{
    m_main.platform().openLink(this, QString::fromLatin1(maker::webAddress));
}

void Form3::Mail_Click()
{
    m_main.platform().openLink(this, mailLink(QString::fromLatin1(maker::mailAddress)));
}

void Form3::Label1_MouseMove() { colourLinks(hover, qRgb(0, 0, 0)); }

void Form3::Mail_MouseMove() { colourLinks(qRgb(0, 0, 0), hover); }

void Form3::colourLinks(QRgb web, QRgb mail)
{
    setColour(*Label1, QPalette::WindowText, QColor(web));
    setColour(*Mail, QPalette::WindowText, QColor(mail));
}
