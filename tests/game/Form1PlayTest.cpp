#include "app/Controls.h"
#include "app/Twips.h"
#include "skins/Form2.h"
#include "support/GameFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QRgb yellow = QColor(Qt::yellow).rgb();
const QRgb green = QColor(Qt::green).rgb();
const QRgb red = QColor(Qt::red).rgb();

using Form1Play = ShippedGame;

} // namespace

// Every row of the scoring table, end to end: consonant hits, a vowel paid
// and found, a hit that completes the phrase and the bonus of the win. The
// win count adds one before rounding: 2.5 rounded first would give 3.
TEST_F(Form1Play, ScoresHitsVowelsAndTheWinAndCountsTheWin)
{
    category({"la casa"}, {.est = "Ganadas=2.5"});
    start();
    click('C');
    EXPECT_EQ(shown("Label6"), "100");
    click('L');
    EXPECT_EQ(shown("Label6"), "200");
    click('A');
    EXPECT_EQ(shown("Label6"), "100");
    EXPECT_EQ(display(), "LA CA A");
    EXPECT_FALSE(form->Command3('A').isEnabled());
    EXPECT_EQ(shown("Label3"), "C  L  A  ");
    EXPECT_FALSE(resultShowing());

    click('S');
    EXPECT_EQ(display(), "LA CASA");
    EXPECT_EQ(shown("Label6"), "1200");
    EXPECT_TRUE(form->terminada());
    EXPECT_EQ(stored("Est", "Ganadas"), "4");
    ASSERT_TRUE(resultShowing());
    EXPECT_EQ(resultColour(), green);

    // The next game takes the score into the total; a second press adds nothing.
    newGame();
    EXPECT_EQ(shown("Label8"), "1200");
    EXPECT_EQ(shown("Label6"), "0");
    newGame();
    EXPECT_EQ(shown("Label8"), "1200");
}

// A vowel below 200 points is refused with the no-points picture and costs
// nothing; the same vowel is played once the score allows it.
TEST_F(Form1Play, VowelWithoutEnoughPointsIsRefusedUntilTheScoreAllowsIt)
{
    category({"banana"});
    start();
    click('A');
    ASSERT_TRUE(resultShowing());
    EXPECT_EQ(resultColour(), yellow);
    EXPECT_TRUE(resultWindow()->accessibleName().startsWith("Sin puntos"));
    EXPECT_TRUE(form->Command3('A').isEnabled());
    EXPECT_EQ(shown("Label3"), "");
    EXPECT_EQ(shown("Label4"), "0");
    EXPECT_EQ(shown("Label6"), "0");

    click('B');
    click('E');
    EXPECT_EQ(shown("Label6"), "100");
    click('N');
    EXPECT_EQ(shown("Label6"), "200");
    click('A');
    EXPECT_EQ(shown("Label6"), "1100");
    EXPECT_TRUE(form->terminada());

    // A vowel played at exactly 200 that is missing costs its price and a failure.
    category({"banana"});
    newGame();
    playAll("BN");
    click('O');
    EXPECT_EQ(shown("Label6"), "0");
    EXPECT_EQ(shown("Label4"), "1");
}

// A character found many times earns once; Ñ and accented letters are
// characters of their own.
TEST_F(Form1Play, MatchesExactlyAndRewardsEachGuessOnce)
{
    category({"ñandú anana"});
    start();
    click('N');
    EXPECT_EQ(display(), QString::fromUtf8("  N    N N "));
    EXPECT_EQ(shown("Label6"), "100");
    click(209);
    EXPECT_EQ(display(), QString::fromUtf8("Ñ N    N N "));
    click('D');
    click('A');
    EXPECT_EQ(display(), QString::fromUtf8("ÑAND  ANANA"));
    click('U');
    EXPECT_EQ(shown("Label4"), "1");
    EXPECT_EQ(display(), QString::fromUtf8("ÑAND  ANANA"));
    EXPECT_FALSE(form->terminada());
}

// The fourth failure only advances the gallows; the fifth loses, shows the
// phrase, counts the loss and is never reported as a win.
TEST_F(Form1Play, FifthFailureLosesAndCountsTheLoss)
{
    category({"sol"}, {.est = "Perdidas=x"});
    start();
    const auto stage = [&] { return form->Image1->picture().pixel(0, 0); };

    playAll("BCDF");
    EXPECT_EQ(shown("Label4"), "4");
    EXPECT_EQ(stage(), form->I[4]->picture().pixel(0, 0));
    EXPECT_FALSE(form->terminada());
    EXPECT_FALSE(resultShowing());

    click('G');
    EXPECT_EQ(shown("Label4"), "5");
    EXPECT_EQ(stage(), form->I[5]->picture().pixel(0, 0));
    EXPECT_TRUE(form->terminada());
    EXPECT_EQ(display(), "SOL");
    EXPECT_EQ(stored("Est", "Perdidas"), "1");
    EXPECT_EQ(stored("Est", "Ganadas"), "");
    ASSERT_TRUE(resultShowing());
    EXPECT_EQ(resultColour(), red);
    EXPECT_EQ(resultWindow()->accessibleName(), "Has perdido");

    // Nothing plays after the end.
    click('S');
    EXPECT_TRUE(form->Command3('S').isEnabled());
    EXPECT_EQ(shown("Label3"), "B  C  D  F  G  ");
}

// "Resolver" wins only with the exact phrase (any case), counts any other
// answer as a failure, ignores Cancel and refuses once the game is over.
TEST_F(Form1Play, SolvingAcceptsOnlyTheExactPhrase)
{
    category({"el niño"});
    start();
    for (const char* wrong : {"el nino", "el  niño", "el niño "})
        solve(QString::fromUtf8(wrong));
    EXPECT_EQ(shown("Label4"), "3");
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].text, "Lo siento, has fallado");
    EXPECT_EQ(platform.prompts[0].text, QString::fromUtf8("Escribe la solución"));
    EXPECT_EQ(platform.prompts[0].title, "Palabrino");

    form->Command4->click(); // cancelled: the hook answers ""
    EXPECT_EQ(shown("Label4"), "3");
    EXPECT_EQ(platform.messages.size(), 3u);

    solve(QString::fromUtf8("El NIñO"));
    EXPECT_TRUE(form->terminada());
    EXPECT_EQ(display(), QString::fromUtf8("EL NIÑO"));
    EXPECT_EQ(shown("Label6"), "1000");
    EXPECT_EQ(resultColour(), green);

    const std::size_t prompts = platform.prompts.size();
    form->Command4->click();
    EXPECT_EQ(platform.prompts.size(), prompts);
    EXPECT_EQ(platform.messages.back().text, "No puedes resolver ahora. :)");
}

// A wrong answer at four failures loses the game after its message.
TEST_F(Form1Play, WrongSolutionAtFourFailuresLoses)
{
    category({"mar"});
    start();
    playAll("BCDF");
    solve("rio");
    EXPECT_TRUE(form->terminada());
    EXPECT_EQ(display(), "MAR");
    EXPECT_EQ(platform.messages.back().text, "Lo siento, has fallado");
    EXPECT_EQ(stored("Est", "Perdidas"), "1");
    EXPECT_EQ(resultColour(), red);
}

// Typed keys play exactly like clicks: letters whatever the case, main-row
// digits, Ñ from its key or the ` key, nothing from the keypad or repeats.
TEST_F(Form1Play, TypedKeysPlayLikeClicks)
{
    category({"ñu 7 de mayo"});
    start();
    type(Qt::Key_M, "m");
    type(Qt::Key_D, "D", Qt::ShiftModifier);
    type(Qt::Key_Y, "Y");
    EXPECT_EQ(shown("Label3"), "M  D  Y  ");
    type(Qt::Key_7, "7", Qt::KeypadModifier);
    EXPECT_EQ(shown("Label4"), "0");
    EXPECT_TRUE(form->Command3('7').isEnabled());
    type(Qt::Key_7, "7");
    EXPECT_FALSE(form->Command3('7').isEnabled());
    type(Qt::Key_QuoteLeft, "`");
    EXPECT_EQ(display(), QString::fromUtf8("Ñ  7 D  M Y "));
    type(Qt::Key_Ntilde, QString::fromUtf8("ñ"));
    type(Qt::Key_M, "m");
    EXPECT_EQ(shown("Label3"), QString::fromUtf8("M  D  Y  7  Ñ  "));
    EXPECT_EQ(shown("Label4"), "0");
    type(Qt::Key_Left, "");
    type(Qt::Key_F5, "");
    EXPECT_EQ(shown("Label4"), "0");

    type(Qt::Key_E, "e"); // 400 points: a vowel may be bought
    EXPECT_EQ(shown("Label6"), "400");
}

// The result window stays centred over the main window on every key press,
// and only a character key, Enter or a mouse press closes it.
TEST_F(Form1Play, ResultWindowIsCentredAndClosesOnCharacterKeysAndClicks)
{
    category({"luna"});
    start();
    form->show();
    form->move(100, 60);
    type(Qt::Key_Q, "q");
    ASSERT_NE(resultWindow(), nullptr);
    EXPECT_FALSE(resultShowing());
    const QRect main = form->frameGeometry();
    const QRect result = resultWindow()->frameGeometry();
    EXPECT_NEAR(result.center().x(), main.center().x(), 1);
    EXPECT_NEAR(result.center().y(), main.center().y(), 1);
    EXPECT_EQ(resultWindow()->size(), QSize(300, 100));

    click('A');
    ASSERT_TRUE(resultShowing());
    QKeyEvent arrow(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(resultWindow(), &arrow);
    EXPECT_TRUE(resultShowing());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
    QApplication::sendEvent(resultWindow(), &enter);
    EXPECT_EQ(resultWindow(), nullptr);

    click('A');
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(resultWindow(), &letter);
    EXPECT_EQ(resultWindow(), nullptr);
    EXPECT_EQ(shown("Label3"), "Q  ");

    click('A');
    ImageControl* picture = resultWindow()->Image1;
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), picture->mapToGlobal(QPointF(5, 5)),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &press);
    EXPECT_EQ(resultWindow(), nullptr);
}

// Leaving the program settles the category: an untouched game hands its entry
// back, and the running total becomes the best only when strictly higher.
TEST_F(Form1Play, ClosingStoresABetterTotalAndHandsBackOnlyUntouchedGames)
{
    category({"paz", "sol"}, {.est = "MaxPunt=1100"});
    start();
    playAll("PZ");
    form->Command4->click();
    solve("paz");
    EXPECT_EQ(shown("Label6"), "1200");
    newGame();
    click('B');
    form->close();
    EXPECT_EQ(stored("Est", "MaxPunt"), "1200");
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");

    start();
    EXPECT_EQ(form->palabra(), "SOL");
    playAll("SOL");
    EXPECT_EQ(shown("Label6"), "200");
    form->close();
    EXPECT_EQ(stored("Est", "MaxPunt"), "1200");
    EXPECT_EQ(stored("Datos", "Cuenta"), "2");

    category({"paz"}, {.est = "MaxPunt=sin dato"});
    start();
    click('P');
    form->close();
    EXPECT_EQ(stored("Est", "MaxPunt"), "100");
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");

    // An easy category's first letter is uncovered: the entry is gone for good.
    category({"paz"}, {.modo = "Modo=1"});
    start();
    form->close();
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");
}

// A write that fails must leave the file alone and tell the player once, not
// at every write, while the game goes on.
TEST_F(Form1Play, FailedWritesAreReportedOncePerRun)
{
    category({"uno", "dos", "tres"});
    const QByteArray before = folder.read("Categorias/Prueba.ini");
    // A folder where the writer puts its temporary copy makes every write fail.
    QDir().mkpath(folder.nativeFile("Categorias/Prueba.ini.tmp"));
    start();
    EXPECT_EQ(form->palabra(), "UNO");
    newGame();
    solve("uno");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Palabrino");
    EXPECT_TRUE(platform.messages[0].text.contains("guardar"));
    EXPECT_EQ(folder.read("Categorias/Prueba.ini"), before);
}
