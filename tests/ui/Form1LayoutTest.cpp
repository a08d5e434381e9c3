#include "app/MainLayout.h"
#include "skins/Colors.h"
#include "support/GameFixture.h"
#include "ui/CellRow.h"
#include "ui/Fonts.h"
#include "words/Keyboard.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

using Form1Layout = GameFixture;

// The checker measures skins against the layout's table: a window built
// elsewhere would pass skins whose labels the player cannot read. Each key
// carries its own character at a place of its own, vowels and digits in
// their own colours. The first game places the window at the top of the
// screen, centred, later ones leave it where the player moved it. Typed
// characters only reach the game while "Nueva Partida" has the focus.
TEST_F(Form1Layout, WindowStandsWhereItsLayoutSaysAndTabsThroughTheKeyboard)
{
    using namespace mainlayout;
    Form1& form = start();
    const auto at = [&form](const char* name) {
        const auto* control = form.findChild<QWidget*>(QString::fromLatin1(name));
        return control ? control->geometry() : QRect();
    };
    EXPECT_EQ(form.centralWidget()->size(), clientSize);
    EXPECT_EQ(at("Label1"), labelRow(usedTitleTop));
    EXPECT_EQ(at("Label3"), labelRow(usedTop));
    for (const char* name : {"Label5", "Label6", "Label7", "Label8", "Label2", "Label4"}) {
        EXPECT_TRUE(labelRow(scoreTop).contains(at(name))) << name;
        EXPECT_EQ(at(name).height(), labelRow(scoreTop).height()) << name;
    }
    // Wine's Tahoma is wider than the one the captions were measured for, and
    // "Puntuación:" lost its colon: each caption is shown whole.
    for (const QLabel* caption : {form.Label5, form.Label7, form.Label2, form.Label1})
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->width())
            << caption->objectName().toStdString();
    EXPECT_LT(form.Label5->geometry().right(), form.Label6->x());
    EXPECT_EQ(at("Image1"), QRect(QPoint(0, twips::toPixels(gallowsTop)), gallowsSize));

    EXPECT_EQ(form.Command3.size(), keyboard::upperKeys.size() + keyboard::lowerKeys.size());
    QRegion covered;
    for (const auto& [code, key] : form.Command3) {
        SCOPED_TRACE(code);
        EXPECT_EQ(key->text(), QString(QChar(code)));
        EXPECT_FALSE(covered.contains(key->geometry().center()));
        covered += key->geometry();
        const QRgb colour = key->palette().color(QPalette::Button).rgb();
        EXPECT_EQ(colour == colors::vowelButton, keyboard::isVowel(code));
        EXPECT_EQ(colour == colors::digitButton, keyboard::isDigit(code));
    }
    EXPECT_LT(covered.boundingRect().bottom(), labelRow(scoreTop).top());
    EXPECT_EQ(form.Command3.find(96), nullptr);

    const QRect frame = form.frameGeometry();
    EXPECT_EQ(frame.top(), 0);
    EXPECT_NEAR(frame.left(), (form.screen()->geometry().width() - frame.width()) / 2, 1);
    form.move(40, 50);
    form.Form_Load();
    EXPECT_EQ(form.pos(), QPoint(40, 50));

    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.Command2);
    const std::pair<QWidget*, QWidget*> tabs[] = {
        {form.Command2, form.Text1},
        {form.Text1, &form.Command3('A')},
        {&form.Command3('R'), &form.Command3('S')},
        {&form.Command3('N'), &form.Command3(209)},
        {&form.Command3('9'), form.Command4},
        {form.Command4, form.Command1},
    };
    for (const auto& [from, to] : tabs)
        EXPECT_EQ(from->nextInFocusChain(), to) << from->objectName().toStdString();
}

// Without the design fonts the captions and the masked display change size.
TEST(DesignFonts, TahomaAndFixedsysAreAvailable)
{
    EXPECT_EQ(QFontInfo(tahoma(8.25)).family(), "Tahoma");
    EXPECT_EQ(QFontInfo(fixedsys()).family(), "Fixedsys");
}
