#include "app/Controls.h"
#include "app/Cp1252.h"
#include "support/GameFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
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
    // Does one step; what it shows, or a null text for a step that shows nothing.
    QString step(const QString& line)
    {
        const QString verb = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1);
        if (verb == "archivo")
            folder.write(rest.section(" = ", 0, 0),
                         cp1252::encode(rest.section(" = ", 1).replace(" | ", "\r\n") + "\r\n"));
        else if (verb == "carpeta")
            QDir().mkpath(folder.nativeFile(rest));
        else if (verb == "borra")
            QDir(folder.nativeFile(rest)).removeRecursively();
        else if (verb == "lee")
            return cp1252::decode(folder.read(rest)).trimmed().replace("\r\n", " | ");
        else
            return played(verb, rest);
        return {};
    }
    QString played(const QString& verb, const QString& rest)
    {
        if (verb == "abre")
            start();
        else if (verb == "nueva")
            newGame();
        else if (verb == "menu")
            form->mnunuevo->trigger();
        else
            return seen(verb, rest);
        return {};
    }
    QString seen(const QString& verb, const QString& rest)
    {
        if (verb == "cierra")
            return closed();
        if (verb == "reparto")
            return QStringList{form->Text3->text(), display(), form->Label9->text(),
                               form->Label10->toolTip(),
                               stored("Datos", "Cuenta", form->categoriaActual())}
                .join(" | ");
        if (verb == "pulsa") {
            for (const QChar key : rest)
                click(key.unicode());
        } else if (verb == "resuelve") {
            if (!rest.isEmpty())
                platform.answers.push_back(rest.mid(1, rest.size() - 2));
            form->Command4->click();
            platform.answers.clear();
        } else if (verb != "mira") {
            ADD_FAILURE() << "unknown step " << verb.toStdString();
        }
        return QString::fromStdString(state());
    }
    QString closed()
    {
        form->close();
        QStringList stores;
        for (const char* key : {"Ganadas", "Perdidas", "MaxPunt"})
            stores << stored("Est", key, form->categoriaActual());
        return (stores << stored("Datos", "Cuenta", form->categoriaActual())).join(u' ');
    }
    // The questions asked and messages shown since last called.
    QString dialogs()
    {
        QString shown = QString(" | pregunta").repeated(platform.prompts.size() - m_asked);
        for (std::size_t i = m_told; i < platform.messages.size(); ++i)
            shown += " | aviso: " + platform.messages[i].text;
        m_asked = platform.prompts.size();
        m_told = platform.messages.size();
        return shown;
    }
    std::size_t m_asked = 0;
    std::size_t m_told = 0;
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

// Scripted games: each step of data/partidas.txt is followed by what the
// player then sees, and the whole transcript is compared at once.
TEST_F(Form1Play, ScriptedGamesShowTheirTranscript)
{
    QFile file(QStringLiteral(PALABRINO_TEST_DATA_DIR "/partidas.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString expected = QString::fromUtf8(file.readAll());
    const QStringList lines = expected.split(u'\n');
    QStringList seen;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        seen << lines[i];
        const QString outcome = lines[i].startsWith("> ") ? step(lines[i].mid(2)) : QString();
        if (!outcome.isNull()) {
            seen << outcome + dialogs();
            ++i;
        }
    }
    EXPECT_EQ(seen.join(u'\n').toStdString(), expected.toStdString());
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
