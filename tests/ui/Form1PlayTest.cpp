#include "support/DataFile.h"
#include "support/GameFixture.h"
#include "support/Transcript.h"
#include "ui/Controls.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

namespace {

class Form1Play : public ShippedGame {
protected:
    Form2* resultWindow() const { return form->form2.existing(); }
    // A key by its name, typing the name when that is one character and a
    // carriage return for Return, or "clic", a right mouse press on the result.
    void press(QWidget* target, const QString& name)
    {
        if (name == "clic") {
            QTest::mousePress(resultWindow()->Image1, Qt::RightButton, {}, QPoint(5, 5));
            return;
        }
        const QKeyCombination key = QKeySequence::fromString(name)[0];
        const QString last = name.section(u'+', -1);
        const QString typed = last == "Return" ? "\r" : (last.size() == 1 ? last : "");
        QTest::sendKeyEvent(QTest::Press, target, key.key(), typed, key.keyboardModifiers());
    }
    // Does one step; what the player then sees, or a null text for a step
    // that shows nothing.
    QString step(const QString& verb, const QString& rest)
    {
        if (fileStep(folder, verb, rest))
            return {};
        if (verb == "abre")
            start();
        else if (verb == "nueva")
            form->Command2->click();
        else if (verb == "menu")
            form->mnunuevo->trigger();
        else
            return withDialogs(seen(verb, rest));
        return {};
    }
    QString seen(const QString& verb, const QString& rest)
    {
        const QString category = form ? form->game().category() : QString();
        if (verb == "cierra") {
            form->close();
            return QStringList{
                stored("Est", "Ganadas", category), stored("Est", "Perdidas", category),
                stored("Est", "MaxPunt", category), stored("Datos", "Cuenta", category)}
                .join(u' ');
        }
        if (verb == "reparto")
            return QStringList{form->Text3->text(),
                               display(),
                               form->Label9->text(),
                               form->Label10->toolTip(),
                               stored("Datos", "Cuenta", category),
                               digits()}
                .join(" | ");
        if (verb == "pulsa") {
            for (const QChar key : rest)
                click(key.unicode());
        } else if (verb == "teclea" || verb == "resultado") {
            QWidget* target =
                verb == "teclea" ? form->Command2 : static_cast<QWidget*>(resultWindow());
            if (!target)
                return "(sin ventana de resultado)";
            for (const QString& key : rest.split(u' '))
                press(target, key);
        } else if (verb == "resuelve") {
            if (!rest.isEmpty())
                platform.answers.push_back(rest.mid(1, rest.size() - 2));
            form->Command4->click();
            platform.answers.clear();
        } else if (verb == "apagadas") {
            QString off;
            for (const auto& [code, key] : form->Command3)
                off += key->isEnabled() ? QString() : QString(QChar(code));
            return off.isEmpty() ? "ninguna" : off;
        } else if (verb != "mira") {
            ADD_FAILURE() << "unknown step " << verb.toStdString();
        }
        return state();
    }
    // Then the questions asked and the messages shown since last called.
    QString withDialogs(QString shown)
    {
        shown += QString(" | pregunta").repeated(platform.prompts);
        for (const QString& message : platform.messages)
            shown += " | aviso: " + message;
        platform.prompts = 0;
        platform.messages.clear();
        return shown;
    }
    // The digit keys by colour: the first colour they show is 1, the next 2.
    QString digits()
    {
        QSet<QRgb> colours;
        for (int code = '0'; code <= '9'; ++code)
            colours.insert(form->Command3(code).palette().color(QPalette::Button).rgb());
        if (colours.size() == 1 && !m_digitColours.contains(*colours.begin()))
            m_digitColours.append(*colours.begin());
        return colours.size() == 1
                   ? QString("cifras %1").arg(m_digitColours.indexOf(*colours.begin()) + 1)
                   : "cifras de varios colores";
    }
    QList<QRgb> m_digitColours;
    // What the player sees, in one line: the display, failures/gallows stage
    // drawn, score, total, letters used and the result showing, named as a
    // screen reader says it when its picture agrees.
    QString state() const
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
                 shown("Label8"), shown("Label3").trimmed(), result);
    }
};

} // namespace

// Scripted games: each step of data/ventana.txt is followed by what the
// player then sees, and the whole transcript is compared at once.
TEST_F(Form1Play, ScriptedGamesShowTheirTranscript)
{
    const QString expected = QString::fromUtf8(dataFile("ventana.txt"));
    const QString seen = playTranscript(
        expected, [this](const QString& verb, const QString& rest) { return step(verb, rest); });
    EXPECT_EQ(seen.toStdString(), expected.toStdString());
}

// The result window stands centred over the main window.
TEST_F(Form1Play, ResultWindowIsCentred)
{
    category({"luna"});
    start();
    form->show();
    form->move(100, 60);
    press(form->Command2, "A");
    const QPoint centre = form->frameGeometry().center();
    EXPECT_LE((resultWindow()->frameGeometry().center() - centre).manhattanLength(), 2);
}
