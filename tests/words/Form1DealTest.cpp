#include "app/CellRow.h"
#include "app/Module1.h"
#include "support/GameFixture.h"

#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class Form1Deal : public ShippedGame {
protected:
    // Without a skin, what is drawn is the game's own.
    void SetUp() override { settings("Categoria=Prueba", "Skin=Ninguna"); }
    QString dashes() const { return form->Label9->text(); }
    QString tip() const { return form->Label10->toolTip(); }
    QRgb colourOf(int code) const
    {
        return form->Command3(code).palette().color(QPalette::Button).rgb();
    }
};

// The dark columns of what a control draws, as runs in device pixels.
struct Ink {
    int first;
    int last;
};

std::vector<Ink> inkRuns(QWidget& control)
{
    const QImage image = control.grab().toImage();
    std::vector<Ink> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool dark = false;
        for (int y = 0; y < image.height() && !dark; ++y)
            dark = qGray(image.pixel(x, y)) < 128;
        if (dark && !runs.empty() && runs.back().last == x - 1)
            runs.back().last = x;
        else if (dark)
            runs.push_back({x, x});
    }
    return runs;
}

// The first and the last row of the control's image that hold dark pixels.
std::pair<int, int> inkRows(QWidget& control)
{
    const QImage image = control.grab().toImage();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 64) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

// Entries must come strictly in order, the counter naming the one dealt, and
// start again at 1A after the last.
TEST_F(Form1Deal, DealsEntriesInOrderAndStartsAgainAfterTheLast)
{
    category({"perro", "gato", "loro"});
    start();
    EXPECT_EQ(form->palabra(), "PERRO");
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");
    newGame();
    EXPECT_EQ(form->palabra(), "GATO");
    form->mnunuevo->trigger();
    EXPECT_EQ(form->palabra(), "LORO");
    EXPECT_EQ(stored("Datos", "Cuenta"), "3");
    newGame();
    EXPECT_EQ(form->palabra(), "PERRO");
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");
    EXPECT_EQ(form->cuentaActual(), "1");
    EXPECT_TRUE(platform.messages.empty());
}

// A gap ends the list, an empty entry or one that is only a hint restarts
// the set-up at 1A, and a counter out of range or unreadable deals 1A.
TEST_F(Form1Deal, GapsEmptyEntriesAndBadCountersLeadBackToTheFirstEntry)
{
    folder.write("Categorias/Prueba.ini", iniText({"[Datos]", "Cuenta=1", "Modo=0", "[Contenido]",
                                                   "1A=uno", "2A=dos", "4A=cuatro", "[Est]"}));
    start();
    EXPECT_EQ(form->palabra(), "DOS");
    newGame();
    EXPECT_EQ(form->palabra(), "UNO");
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");

    // Counters are read as stored numbers; one past the end or unreadable deals 1A.
    const struct {
        const char* second;
        const char* cuenta;
        const char* dealt;
    } cases[] = {
        {"(EN)", "Cuenta=1", "UNO"}, {"dos", "Cuenta=32767", "UNO"}, {"dos", "Cuenta=abc", "UNO"},
        {"dos", "Cuenta=", "UNO"},   {"dos", "Cuenta= 1 ", "DOS"},   {"dos", "Cuenta=0.5", "DOS"},
    };
    for (const auto& c : cases) {
        category({"uno", c.second}, {.cuenta = c.cuenta});
        newGame();
        EXPECT_EQ(form->palabra(), c.dealt) << c.cuenta;
    }
    EXPECT_TRUE(platform.messages.empty());

    // A restart that cannot be stored still deals 1A; the failed write is
    // reported once.
    category({"uno", "dos"}, {.cuenta = "Cuenta=2"});
    QDir().mkpath(folder.nativeFile("Categorias/Prueba.ini.tmp"));
    newGame();
    EXPECT_EQ(form->palabra(), "UNO");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("guardar"));
}

// The phrase is shown in capitals; hints become the word area's tool tip and
// leave no blank behind, so the display has exactly the phrase's cells.
TEST_F(Form1Deal, HintsBecomeTheToolTipAndCapitalsTheHiddenPhrase)
{
    category({"El gato (en)", "ñandú"});
    start();
    EXPECT_EQ(form->palabra(), "EL GATO");
    EXPECT_EQ(display(), "       ");
    EXPECT_EQ(dashes(), "-- ----");
    EXPECT_EQ(tip(), QString::fromUtf8("Título integro en Inglés"));
    newGame();
    EXPECT_EQ(form->Text3->text(), QString::fromUtf8("ÑANDÚ"));
    EXPECT_TRUE(tip().isEmpty());
}

// Digits light up the digit keys only for a phrase that holds one; an easy
// category shows the first character, whatever it is.
TEST_F(Form1Deal, DigitKeysAndEasyModeFollowThePhrase)
{
    category({"la casa, 2", "sin numeros", "\" empieza en blanco\""}, {.modo = "Modo=1"});
    start();
    EXPECT_EQ(display(), "L      ,  ");
    std::vector<QRgb> lit;
    for (int code = '0'; code <= '9'; ++code)
        lit.push_back(colourOf(code));
    newGame();
    EXPECT_EQ(display(), "S          ");
    for (int code = '0'; code <= '9'; ++code)
        EXPECT_NE(colourOf(code), lit[code - '0']) << char(code);
    newGame();
    EXPECT_EQ(display()[0], ' ');

    for (const auto& [modo, shown] : {std::pair{"Modo=1.0", "P    "},
                                      {"Modo= 1", "P    "},
                                      {"Modo=", "     "},
                                      {"Modo=2", "     "},
                                      {"Modo=uno", "     "}}) {
        category({"perro"}, {.modo = modo});
        newGame();
        EXPECT_EQ(display(), shown) << modo;
    }
}

// Without a usable setting the first category by file name is played and the
// settings are left as they were; nothing is read outside the folder.
TEST_F(Form1Deal, MissingOrUnsafeCategoryPlaysTheFirstOneByName)
{
    category({"zeta"}, {.name = "Zoo"});
    category({"perro"}, {.name = "animales"});
    QFile::remove(folder.nativeFile("Categorias/Otra.ini"));
    QFile::remove(folder.nativeFile("Categorias/Prueba.ini"));
    folder.write("secreto.ini", iniText({"[Datos]", "Cuenta=0", "[Contenido]", "1A=clave"}));

    for (const char* line : {"Categoria=Inexistente", "Categoria=", "Otra=1",
                             "Categoria=..\\secreto", "Categoria=../secreto"}) {
        settings(line);
        const QByteArray before = folder.read("datos.ini");
        start();
        EXPECT_EQ(form->categoriaActual(), "animales") << line;
        EXPECT_EQ(form->palabra(), "PERRO") << line;
        EXPECT_EQ(folder.read("datos.ini"), before);
        category({"perro"}, {.name = "animales"});
    }
    EXPECT_EQ(LeerIni(folder.programPath("secreto.ini"), "Datos", "Cuenta"), "0");
    EXPECT_TRUE(platform.messages.empty());
}

// With nothing to deal the game says so once and stays over, and the set-up
// never loops.
TEST_F(Form1Deal, NoCategoryOrNoPhraseIsReportedAndEndsTheGame)
{
    QDir(folder.nativeFile("Categorias")).removeRecursively();
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Palabrino");
    EXPECT_TRUE(platform.messages[0].text.contains("Categorias"));
    EXPECT_TRUE(form->terminada());
    EXPECT_TRUE(display().isEmpty());
    form.reset();

    platform.messages.clear();
    folder.write("Categorias/Vacia.ini",
                 iniText({"[Datos]", "Cuenta=5", "Modo=0", "[Contenido]", "2A=dos", "[Est]"}));
    settings("Categoria=Vacia");
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].text.contains("Vacia"));
    EXPECT_TRUE(form->terminada());
    EXPECT_EQ(stored("Datos", "Cuenta", "Vacia"), "0");
    form->close();
    EXPECT_EQ(stored("Datos", "Cuenta", "Vacia"), "0");
}

// On a screen of any scale every character must stand over its dash, at the
// designed cell width while the phrase fits the line, without the line
// scrolling; a longer phrase narrows its cells to fit. Measured on what is
// drawn, in device pixels.
TEST_F(Form1Deal, EveryCellStandsOverItsDashAtAnyScaleAndLength)
{
    const struct {
        int cells;
        char letter;
    } cases[] = {{5, 'H'}, {37, 'H'}, {60, 'L'}};
    int firstLeft = -1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cells);
        category({QByteArray(c.cells, c.letter).constData()});
        start();
        form->Command3(c.letter).click();
        const std::vector<Ink> letters = inkRuns(*form->Text1);
        const std::vector<Ink> dashes = inkRuns(*form->Label9);
        ASSERT_EQ(letters.size(), std::size_t(c.cells));
        ASSERT_EQ(dashes.size(), std::size_t(c.cells));
        const double ratio = form->Text1->devicePixelRatioF();
        for (int i = 0; i < c.cells; ++i) {
            EXPECT_NEAR(letters[i].first + letters[i].last, dashes[i].first + dashes[i].last, 2)
                << "cell " << i;
        }
        EXPECT_LT(letters.back().last, form->Text1->width() * ratio);
        if (c.cells > 37)
            continue;
        if (firstLeft < 0)
            firstLeft = letters[0].first;
        EXPECT_EQ(letters[0].first, firstLeft);
        EXPECT_EQ(letters.back().first - letters[0].first, qRound((c.cells - 1) * 8 * ratio));
        EXPECT_GE(letters[0].last - letters[0].first + 1, 6 * ratio);
    }
}

// The tilde of Ñ stands above the font's ascent: placed by the font box it
// was cut off, and Ñ looked like N on its key and among the letters used.
TEST_F(Form1Deal, NtildeIsDrawnWholeOnItsKeyAndAmongTheLettersUsed)
{
    category({"un ñu"});
    start();
    const QString ntilde = QString::fromUtf8("Ñ");
    const auto drawnHeight = [&](const QWidget& control) {
        return QFontMetricsF(control.font()).tightBoundingRect(ntilde).height() *
               control.devicePixelRatioF();
    };
    // On the key the whole caption stands in the middle, clear of both edges.
    QPushButton& key = form->Command3(209);
    const auto [top, bottom] = inkRows(key);
    const int height = qRound(key.height() * key.devicePixelRatioF());
    EXPECT_NEAR(top, height - 1 - bottom, 1 + key.devicePixelRatioF());
    EXPECT_NEAR(bottom - top + 1, drawnHeight(key), 2 * key.devicePixelRatioF());

    key.click();
    EXPECT_EQ(form->Label3->text(), ntilde + "  ");
    const auto [first, last] = inkRows(*form->Label3);
    EXPECT_NEAR(last - first + 1, drawnHeight(*form->Label3), 1.5);
}
