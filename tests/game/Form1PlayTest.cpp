#include "app/Controls.h"
#include "support/GameFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <tuple>

namespace {

class Form1Play : public ShippedGame {
protected:
    Form2* resultWindow() const { return form->form2.existing(); }
    void type(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(form->Command2, &press);
    }
    void solve(const QString& answer)
    {
        platform.answers.push_back(answer);
        form->Command4->click();
    }
    // What the player sees, in one line: the display, failures/gallows stage
    // drawn, score, total, letters used and the result showing, named as a
    // screen reader says it when its picture agrees.
    std::string state() const
    {
        const auto colour = [](const ImageControl* shown) { return shown->picture().pixel(0, 0); };
        int stage = 0;
        while (stage < 5 && colour(form->I[stage]) != colour(form->Image1))
            ++stage;
        const QHash<QRgb, QString> pictures{{QColor(Qt::green).rgb(), "Has ganado"},
                                            {QColor(Qt::red).rgb(), "Has perdido"},
                                            {QColor(Qt::yellow).rgb(), "Sin puntos"}};
        QString result = "-";
        if (resultWindow() && resultWindow()->isVisible()) {
            const QString picture = pictures.value(colour(resultWindow()->Image1), "?");
            result = resultWindow()->accessibleName().section(':', 0, 0);
            result = result == picture ? result : result + " sobre " + picture;
        }
        return QString("%1 | %2/%3 | %4 | %5 | %6 | %7")
            .arg(display(), shown("Label4"), QString::number(stage), shown("Label6"),
                 shown("Label8"), shown("Label3").trimmed(), result)
            .toStdString();
    }
};

} // namespace

// Short games from a fresh deal, then closing. A hit earns 100 once however
// many cells it uncovers, a vowel costs 200 and is refused (key still live)
// below that, the fifth failure loses and ends play, matching is exact (Ñ is
// not N, Ú is not U), and the count of wins or losses adds one before rounding
// (2.5 gives 4). A new game takes the score into the total, once. Closing
// hands back an entry nothing was uncovered of, and the running total becomes
// the best only when strictly higher.
TEST_F(Form1Play, ScriptedGamesEndInTheExpectedState)
{
    // The best before, keys ('+' is a new game), what is seen, and Ganadas,
    // Perdidas, MaxPunt and Cuenta stored after closing.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> games[] = {
        {"la casa", "sin dato", "CLA", "LA CA A | 0/0 | 100 | 0 | C  L  A | -", "2.5 x 100 1"},
        {"banana", "0", "A", "       | 0/0 | 0 | 0 |  | Sin puntos", "2.5 x 0 0"},
        {"banana", "1100", "ABENA", "BANANA | 0/0 | 1100 | 0 | B  N  A | Has ganado", "4 x 1100 1"},
        {"banana", "0", "BNO", "B N N  | 1/1 | 0 | 0 | B  N  O | -", "2.5 x 0 1"},
        {"ñandú anana", "0", "NÑDAU", "ÑAND  ANANA | 1/1 | 0 | 0 | N  Ñ  D  A  U | -", "2.5 x 0 1"},
        {"sol", "0", "BCDF", "    | 4/4 | 0 | 0 | B  C  D  F | -", "2.5 x 0 0"},
        {"sol", "0", "BCDFGS", "SOL | 5/5 | 0 | 0 | B  C  D  F  G | Has perdido", "2.5 1 0 1"},
        {"la casa", "1199", "CLAS++", "        | 0/0 | 0 | 1200 |  | Has ganado", "4 x 1200 0"}};
    for (const auto& [entry, best, keys, seen, after] : games) {
        SCOPED_TRACE(keys);
        const QByteArray est = "Ganadas=2.5\r\nPerdidas=x\r\nMaxPunt=" + QByteArray(best);
        category({entry, "paz"}, {.est = est.constData()});
        start();
        for (const QChar key : QString::fromUtf8(keys))
            key == '+' ? newGame() : click(key.unicode());
        EXPECT_EQ(state(), seen);
        form->close();
        QStringList stores;
        for (const char* key : {"Ganadas", "Perdidas", "MaxPunt"})
            stores << stored("Est", key);
        EXPECT_EQ((stores << stored("Datos", "Cuenta")).join(' ').toStdString(), after);
    }
    // An easy game shows its first letter from the start: its entry is spent.
    category({"paz"}, {.modo = "Modo=1"});
    start();
    form->close();
    EXPECT_EQ(stored("Datos", "Cuenta"), "1");
}

// "Resolver" wins only with the exact phrase in any case; any other answer is
// a failure (at four failures it loses), Cancel is nothing, and a game over
// refuses to ask.
TEST_F(Form1Play, SolvingAcceptsOnlyTheExactPhrase)
{
    category({"el niño"});
    start();
    for (const char* answer : {"el nino", "el  niño", "el niño ", "", "El NIñO"})
        solve(QString::fromUtf8(answer)); // "" is Cancel
    form->Command4->click();
    EXPECT_EQ(state(), "EL NIÑO | 3/3 | 1000 | 0 |  | Has ganado");
    EXPECT_EQ(platform.prompts.size(), 5u);
    EXPECT_EQ(platform.messages.size(), 4u);

    category({"mar"});
    newGame();
    playAll("BCDF");
    solve("rio");
    EXPECT_EQ(state(), "MAR | 5/5 | 0 | 1000 | B  C  D  F | Has perdido");
}

// Typed keys play exactly like clicks: letters whatever the case, main-row
// digits, Ñ from the ` key, nothing from the keypad, other keys or repeats.
TEST_F(Form1Play, TypedKeysPlayLikeClicks)
{
    category({"ñu 7 de mayo"});
    start();
    const std::tuple<Qt::Key, const char*, Qt::KeyboardModifier> keys[] = {
        {Qt::Key_M, "m", Qt::NoModifier},     {Qt::Key_D, "D", Qt::ShiftModifier},
        {Qt::Key_7, "7", Qt::KeypadModifier}, {Qt::Key_Y, "Y", Qt::NoModifier},
        {Qt::Key_7, "7", Qt::NoModifier},     {Qt::Key_QuoteLeft, "`", Qt::NoModifier},
        {Qt::Key_M, "m", Qt::NoModifier},     {Qt::Key_Left, "", Qt::NoModifier},
        {Qt::Key_F5, "", Qt::NoModifier},     {Qt::Key_E, "e", Qt::NoModifier}};
    for (const auto& [key, text, modifier] : keys)
        type(key, text, modifier);
    EXPECT_EQ(state(), "Ñ  7 DE M Y  | 0/0 | 400 | 0 | M  D  Y  7  Ñ  E | -");
}

// The result window stands centred over the main window, and only a
// character key, Enter or a mouse press closes it, without playing the key.
TEST_F(Form1Play, ResultWindowIsCentredAndClosesOnCharacterKeysAndClicks)
{
    category({"luna"});
    start();
    form->show();
    form->move(100, 60);
    type(Qt::Key_Q, "q");
    ASSERT_NE(resultWindow(), nullptr);
    const QPoint centre = form->frameGeometry().center();
    EXPECT_LE((resultWindow()->frameGeometry().center() - centre).manhattanLength(), 2);

    const auto openAfter = [&](QEvent&& event) {
        click('A');
        QWidget* picture = resultWindow()->Image1;
        const bool mouse = event.type() == QEvent::MouseButtonPress;
        QApplication::sendEvent(mouse ? picture : resultWindow(), &event);
        return resultWindow() != nullptr;
    };
    EXPECT_TRUE(openAfter(QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier)));
    EXPECT_FALSE(openAfter(QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r")));
    EXPECT_FALSE(openAfter(QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x")));
    EXPECT_FALSE(openAfter(QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                       Qt::RightButton, Qt::RightButton, Qt::NoModifier)));
    EXPECT_EQ(shown("Label3"), "Q  ");
}
