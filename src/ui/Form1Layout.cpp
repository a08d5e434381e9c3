// Controls of the main window, placed in twips.
#include "app/MainLayout.h"
#include "skins/Colors.h"
#include "ui/CellRow.h"
#include "ui/Controls.h"
#include "ui/Fonts.h"
#include "ui/Form1.h"
#include "ui/WindowTwips.h"
#include "words/Keyboard.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

template <class Control> Control* named(Control* control, const char* name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, const QRect& twipsRect,
              const QFont& font, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* control = named(new QLabel(caption, parent), name);
    control->setGeometry(twipsRect);
    control->setFont(font);
    control->setAlignment(alignment & Qt::AlignVertical_Mask ? alignment
                                                             : alignment | Qt::AlignTop);
    return control;
}

template <class Button = QPushButton>
Button* button(QWidget* parent, const char* name, const QString& caption, int left, int top,
               int width, int height, const QFont& font)
{
    auto* control = named(new Button(caption, parent), name);
    control->setGeometry(twips::rect(left, top, width, height));
    control->setFont(font);
    return control;
}

} // namespace

void Form1::createWordArea()
{
    Shape1 =
        named(new ShapeControl(m_client, twips::rect(120, 120, 4575, 375), Qt::white), "Shape1");
    Line4 = named(new LineControl(m_client, 120, 120, 4680, 120), "Line4");
    Line2 = named(new LineControl(m_client, 120, 120, 120, 480), "Line2");
    Line3 = named(new LineControl(m_client, 4680, 480, 4680, 120), "Line3");
    Line1 = named(new LineControl(m_client, 120, 480, 4680, 480), "Line1");

    // The dash row lays its cells out over the display line's width, not its own.
    using namespace mainlayout;
    constexpr int lineWidth = twips::toPixels(displayWidth);
    Text1 = named(new CellRow(m_client, lineWidth), "Text1");
    Text1->setGeometry(twips::rect(displayLeft, displayTop, displayWidth, displayHeight));
    Text1->setFont(fixedsys());
    Text1->setFocusPolicy(Qt::TabFocus);
    setColour(*Text1, QPalette::Window, Qt::white);
    Text1->setAutoFillBackground(true);

    Label9 = named(new CellRow(m_client, lineWidth), "Label9");
    Label9->setGeometry(twips::rect(165, 315, 4590, 135));
    Label9->setFont(fixedsys());

    // Lies over the whole word area so that its tool tip shows anywhere on it.
    Label10 = label(m_client, "Label10", QString(), twips::rect(120, 120, 4575, 375), font());
}

void Form1::createCommandRow()
{
    // The command row sits between the word area and the keyboard.
    constexpr int top = 600;
    const QFont font = tahoma(8.25);
    Command4 = button(m_client, "Command4", QStringLiteral("Resolver"), 120, top, 1335, 255, font);
    Command2 =
        button(m_client, "Command2", QStringLiteral("Nueva Partida"), 1680, top, 1455, 255, font);
    Command1 =
        button(m_client, "Command1", QStringLiteral("Acerca de..."), 3360, top, 1335, 255, font);
}

void Form1::createKeyboard()
{
    const QFont font = tahoma(9.75);
    const auto addRow = [&](const auto& row, int firstLeft, int top) {
        int left = firstLeft;
        for (const int code : row) {
            auto* control = button<KeyButton>(m_client, "Command3", QString(QChar(code)), left, top,
                                              255, 255, font);
            control->setProperty("Index", code);
            if (keyboard::isVowel(code))
                setColour(*control, QPalette::Button, QColor(colors::vowelButton));
            else if (keyboard::isDigit(code))
                setColour(*control, QPalette::Button, QColor(colors::digitButton));
            Command3.add(code, control);
            left += 240;
        }
    };
    addRow(keyboard::upperKeys, 120, 960);
    addRow(keyboard::lowerKeys, 240, 1200);
}

void Form1::createScoreRow()
{
    using namespace mainlayout;
    const QFont bold = tahoma(8.25, true);
    constexpr int top = scoreTop;
    constexpr int height = rowHeight;
    Label5 = label(m_client, "Label5", QStringLiteral("Puntuación:"),
                   twips::rect(120, top, 975, height), bold);
    Label6 = label(m_client, "Label6", QStringLiteral("0"), twips::rect(1200, top, 495, height),
                   bold, Qt::AlignRight);
    Label7 = label(m_client, "Label7", QStringLiteral("Total:"),
                   twips::rect(1920, top, 615, height), bold);
    Label8 = label(m_client, "Label8", QStringLiteral("0"), twips::rect(2520, top, 735, height),
                   bold, Qt::AlignRight);
    Label2 = label(m_client, "Label2", QStringLiteral("Fallos:"),
                   twips::rect(3600, top, 855, height), bold);
    Label4 = label(m_client, "Label4", QStringLiteral("0"), twips::rect(4440, top, 255, height),
                   bold, Qt::AlignRight);

    Label1 = label(m_client, "Label1", QStringLiteral("Letras Utilizadas:"),
                   twips::rect(rowLeft, usedTitleTop, rowWidth, rowHeight), tahoma(8.25));
    // A face wider than Tahoma would cut the captions short: each may take the
    // room up to the number beside it.
    fitCaption(*Label5, Label6->x());
    fitCaption(*Label7, Label8->x());
    fitCaption(*Label2, Label4->x());
    fitCaption(*Label1, Label1->geometry().right() + 1);
    // Centred in its height, so the tilde of a played Ñ is not cut off.
    Label3 =
        label(m_client, "Label3", QString(), twips::rect(rowLeft, usedTop, rowWidth, rowHeight),
              bold, Qt::AlignLeft | Qt::AlignVCenter);
}

void Form1::createPictureArea()
{
    using namespace mainlayout;
    Line5 = named(new LineControl(m_client, clientWidth, gallowsTop, 0, gallowsTop), "Line5");
    Image1 = named(
        new ImageControl(m_client, twips::rect(0, gallowsTop, clientWidth, gallowsHeight), false),
        "Image1");

    constexpr int lefts[] = {240, 600, 960, 1320, 1680, 2040};
    for (std::size_t n = 0; n < I.size(); ++n) {
        I[n] = new ImageControl(m_client, twips::rect(lefts[n], 2640, 300, 300), true);
        I[n]->setObjectName(QStringLiteral("I%1").arg(n));
        I[n]->hide();
    }

    Text3 = named(new QLineEdit(QStringLiteral("Text3"), m_client), "Text3");
    Text3->setGeometry(twips::rect(600, 4320, 3855, 285));
    Text3->hide();
}

void Form1::createMenu()
{
    const auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };

    mnujuego = named(menuBar()->addMenu(QStringLiteral("&Juego")), "mnujuego");
    mnunuevo = item(mnujuego, "mnunuevo", QStringLiteral("&Nuevo Juego"));
    mnuCategorias = item(mnujuego, "mnuCategorias", QStringLiteral("&Categorias"));
    mnuestadisticas = item(mnujuego, "mnuestadisticas", QStringLiteral("&Estadísticas"));
    mnuskins = item(mnujuego, "mnuskins", QStringLiteral("&Skins"));

    mnuayuda = named(menuBar()->addMenu(QStringLiteral("&Ayuda")), "mnuayuda");
    mnuayuda2 = item(mnuayuda, "mnuayuda2", QStringLiteral("&Ayuda"));
    mnuguion = mnuayuda->addSeparator();
    mnuguion->setObjectName(QStringLiteral("mnuguion"));
    mnuagradecimientos = item(mnuayuda, "mnuagradecimientos", QStringLiteral("A&gradecimientos"));
    mnuacerca = item(mnuayuda, "mnuacerca", QStringLiteral("&Acerca de..."));
}

void Form1::setTabOrder()
{
    // "Nueva Partida" comes first, so it holds the focus when the window opens.
    QList<QWidget*> order{Command2, Text1};
    for (const int code : keyboard::upperKeys)
        order.append(&Command3(code));
    for (const int code : keyboard::lowerKeys)
        order.append(&Command3(code));
    order.append({Command4, Command1});
    for (qsizetype n = 1; n < order.size(); ++n)
        QWidget::setTabOrder(order[n - 1], order[n]);
}
