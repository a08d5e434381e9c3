#include "app/CellRow.h"
#include "app/Colors.h"
#include "app/Fonts.h"
#include "app/Form1.h"
#include "app/Twips.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return twips::rect(left, top, width, height);
}

class Form1Layout : public ::testing::Test {
protected:
    TempAppFolder folder;
    FakePlatform platform;
    Form1 form{folder.path(), platform};

    template <class Control = QWidget> Control* child(const char* name)
    {
        auto* control = form.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
};

} // namespace

// A control out of place or of the wrong kind breaks the designed look.
TEST_F(Form1Layout, WordAreaCommandRowAndScoreRowStandWhereDesigned)
{
    EXPECT_EQ(form.windowTitle(), "Palabrino v.2.0");
    EXPECT_EQ(form.windowIcon().availableSizes().size(), 7);
    EXPECT_FALSE(form.windowIcon().pixmap(16, 16).isNull());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.centralWidget()->size(), QSize(320, 408));

    EXPECT_EQ(child("Shape1")->geometry(), twipsRect(120, 120, 4575, 375));
    EXPECT_EQ(child("Text1")->geometry(), twipsRect(165, 180, 4455, 225));
    EXPECT_EQ(child("Label9")->geometry(), twipsRect(165, 315, 4590, 135));
    EXPECT_EQ(child<QLabel>("Label10")->geometry(), twipsRect(120, 120, 4575, 375));
    EXPECT_EQ(child("Line4")->geometry(), QRect(8, 8, 305, 1));
    EXPECT_EQ(child("Line2")->geometry(), QRect(8, 8, 1, 25));
    EXPECT_EQ(child("Line3")->geometry(), QRect(312, 8, 1, 25));
    EXPECT_EQ(child("Line1")->geometry(), QRect(8, 32, 305, 1));

    EXPECT_EQ(child<QPushButton>("Command4")->text(), "Resolver");
    EXPECT_EQ(child<QPushButton>("Command2")->text(), "Nueva Partida");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "Acerca de...");
    const int commandTop = child("Command2")->y();
    EXPECT_GT(commandTop, twips::toPixels(480));
    EXPECT_LT(commandTop + child("Command2")->height(), twips::toPixels(960));
    EXPECT_EQ(child("Command4")->geometry(), QRect(8, commandTop, 89, 17));
    EXPECT_EQ(child("Command2")->geometry(), QRect(112, commandTop, 97, 17));
    EXPECT_EQ(child("Command1")->geometry(), QRect(224, commandTop, 89, 17));

    const struct {
        const char* name;
        const char* caption;
        int left;
        int width;
        Qt::Alignment alignment;
    } scoreRow[] = {
        {"Label5", "Puntuación:", 120, 975, Qt::AlignLeft},
        {"Label6", "0", 1200, 495, Qt::AlignRight},
        {"Label7", "Total:", 1920, 615, Qt::AlignLeft},
        {"Label8", "0", 2520, 735, Qt::AlignRight},
        {"Label2", "Fallos:", 3600, 855, Qt::AlignLeft},
        {"Label4", "0", 4440, 255, Qt::AlignRight},
    };
    for (const auto& expected : scoreRow) {
        auto* label = child<QLabel>(expected.name);
        EXPECT_EQ(label->text(), QString::fromUtf8(expected.caption)) << expected.name;
        EXPECT_EQ(label->geometry(), twipsRect(expected.left, 1560, expected.width, 255));
        EXPECT_TRUE(label->font().bold()) << expected.name;
        EXPECT_TRUE(label->alignment() & expected.alignment) << expected.name;
    }
    EXPECT_EQ(child<QLabel>("Label1")->text(), "Letras Utilizadas:");
    EXPECT_FALSE(child<QLabel>("Label1")->font().bold());
    EXPECT_EQ(child("Label1")->geometry(), twipsRect(120, 1920, 4575, 255));
    EXPECT_TRUE(child<QLabel>("Label3")->text().isEmpty());
    EXPECT_TRUE(child<QLabel>("Label3")->font().bold());
    EXPECT_EQ(child("Label3")->geometry(), twipsRect(120, 2160, 4575, 255));
}

// The keyboard must map each button to its character code, Ñ included.
TEST_F(Form1Layout, KeyboardHas37ButtonsIndexedByCharacterCode)
{
    EXPECT_EQ(form.Command3.size(), 37u);
    const QString upper = QString::fromUtf8("ABCDEFGHIJKLMNÑOPQR");
    for (int k = 0; k < upper.size(); ++k) {
        const int code = upper[k].unicode();
        QPushButton& key = form.Command3(code);
        EXPECT_EQ(key.text(), upper.mid(k, 1));
        EXPECT_EQ(key.geometry(), twipsRect(120 + 240 * k, 960, 255, 255)) << code;
        EXPECT_EQ(key.objectName(), "Command3");
    }
    const QString lower = QStringLiteral("STUVWXYZ0123456789");
    for (int k = 0; k < lower.size(); ++k) {
        QPushButton& key = form.Command3(lower[k].unicode());
        EXPECT_EQ(key.text(), lower.mid(k, 1));
        EXPECT_EQ(key.geometry(), twipsRect(240 + 240 * k, 1200, 255, 255));
    }
    EXPECT_EQ(form.Command3(209).text(), QString::fromUtf8("Ñ"));
    EXPECT_THROW(form.Command3(78 + 1000), std::out_of_range);
    EXPECT_EQ(form.Command3.find(96), nullptr);

    for (int vowel : {'A', 'E', 'I', 'O', 'U'})
        EXPECT_EQ(form.Command3(vowel).palette().color(QPalette::Button).rgb(),
                  colors::vowelButton);
    for (int digit = '0'; digit <= '9'; ++digit)
        EXPECT_EQ(form.Command3(digit).palette().color(QPalette::Button).rgb(),
                  colors::digitButton);
    EXPECT_NE(form.Command3('B').palette().color(QPalette::Button).rgb(), colors::vowelButton);
}

// The hidden holders and the picture area must exist where the skins expect them.
TEST_F(Form1Layout, PictureAreaHoldsVisibleImageAndSixHiddenHolders)
{
    EXPECT_EQ(child("Line5")->geometry(), QRect(0, 168, 321, 1));
    EXPECT_EQ(child("Image1")->pos(), QPoint(0, 168));
    const int lefts[] = {240, 600, 960, 1320, 1680, 2040};
    for (int n = 0; n < 6; ++n) {
        QWidget* holder = child(QStringLiteral("I%1").arg(n).toLatin1().constData());
        EXPECT_EQ(holder->geometry(), twipsRect(lefts[n], 2640, 300, 300));
        EXPECT_TRUE(holder->isHidden());
    }
    auto* text3 = child<QLineEdit>("Text3");
    EXPECT_TRUE(text3->isHidden());
    EXPECT_EQ(text3->geometry(), twipsRect(600, 4320, 3855, 285));
}

// Menu captions carry the access keys players use.
TEST_F(Form1Layout, MenuHoldsBothMenusWithTheirItemsInOrder)
{
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&Juego");
    EXPECT_EQ(menus[1]->text(), "&Ayuda");

    QStringList juego;
    for (QAction* action : form.mnujuego->actions())
        juego << action->text();
    EXPECT_EQ(juego, QStringList({"&Nuevo Juego", "&Categorias", QString::fromUtf8("&Estadísticas"),
                                  "&Skins"}));
    const QList<QAction*> ayuda = form.mnuayuda->actions();
    ASSERT_EQ(ayuda.size(), 4);
    EXPECT_EQ(ayuda[0]->text(), "&Ayuda");
    EXPECT_TRUE(ayuda[1]->isSeparator());
    EXPECT_EQ(ayuda[2]->text(), "A&gradecimientos");
    EXPECT_EQ(ayuda[3]->text(), "&Acerca de...");
}

// Typed characters only reach the game while "Nueva Partida" has the focus.
TEST_F(Form1Layout, FocusStartsOnNuevaPartidaAndTabsThroughTheKeyboard)
{
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.Command2);

    QWidget* next = form.Command2->nextInFocusChain();
    EXPECT_EQ(next, form.Text1);
    EXPECT_EQ(form.Text1->nextInFocusChain(), &form.Command3('A'));
    EXPECT_EQ(form.Command3('R').nextInFocusChain(), &form.Command3('S'));
    EXPECT_EQ(form.Command3('N').nextInFocusChain(), &form.Command3(209));
    EXPECT_EQ(form.Command3('9').nextInFocusChain(), form.Command4);
    EXPECT_EQ(form.Command4->nextInFocusChain(), form.Command1);
}

// The first game places the window at the top of the screen, centred.
TEST_F(Form1Layout, FirstLoadPlacesWindowAtTopCentreAndLaterLoadsLeaveIt)
{
    const int screenWidth = form.screen()->geometry().width();
    EXPECT_EQ(form.frameGeometry().top(), 0);
    EXPECT_NEAR(form.frameGeometry().left(), (screenWidth - form.frameGeometry().width()) / 2, 1);

    form.move(40, 50);
    form.Form_Load();
    EXPECT_EQ(form.pos(), QPoint(40, 50));
}

// Without the design fonts the masked display no longer lines up with its dashes.
TEST(DesignFonts, FixedsysCellsAreEightByFifteenAndTahomaIsAvailable)
{
    const QFontMetrics cells(fixedsys());
    EXPECT_EQ(QFontInfo(fixedsys()).family(), "Fixedsys");
    EXPECT_EQ(cells.horizontalAdvance(QChar('W')), 8);
    EXPECT_EQ(cells.horizontalAdvance(QString::fromUtf8("Ñ")), 8);
    EXPECT_EQ(cells.height(), 15);
    EXPECT_EQ(QFontInfo(tahoma(8.25)).family(), "Tahoma");
    EXPECT_TRUE(QFontInfo(tahoma(8.25, true)).bold());
}

// Screen readers must be able to tell every key and the phrase so far.
TEST_F(Form1Layout, ControlsCarrySpanishAccessibleNames)
{
    EXPECT_EQ(form.Command3(209).accessibleName(), QString::fromUtf8("Letra Ñ"));
    EXPECT_EQ(form.Command3('7').accessibleName(), QString::fromUtf8("Número 7"));
    EXPECT_EQ(form.Command3('A').accessibleDescription(), "sin jugar");
    EXPECT_EQ(child<QLabel>("Label6")->accessibleName(),
              QString::fromUtf8("Puntuación de la partida"));
    EXPECT_EQ(child<QLabel>("Label8")->accessibleName(), QString::fromUtf8("Puntuación total"));
    EXPECT_EQ(child<QLabel>("Label4")->accessibleName(), QString::fromUtf8("Número de fallos"));
    EXPECT_EQ(form.Text1->accessibleName(), "Frase oculta");
}
