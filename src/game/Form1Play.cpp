// Game play in the main window: characters, failures, winning, solving and
// typed keys.
#include "app/CellRow.h"
#include "app/Controls.h"
#include "app/Cp1252.h"
#include "app/Form1.h"
#include "app/KeyCodes.h"
#include "app/Module1.h"
#include "app/Platform.h"
#include "app/Twips.h"
#include "game/Guess.h"
#include "skins/Form2.h"
#include "words/CategoryFiles.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void Form1::Command3_Click(std::int16_t Index)
{
    if (Terminada)
        return;
    // An index without a key (a stray event) plays nothing.
    QPushButton* const key = Command3.find(Index);
    if (!key)
        return;
    const QChar c(static_cast<char16_t>(Index));

    if (play::isVowel(Index)) {
        if (m_score < play::vowelPrice) {
            form2.get().setAccessibleName(
                QStringLiteral("Sin puntos: las vocales cuestan 200 puntos"));
            showResult(*form2.get().Pun);
            return;
        }
        m_score -= play::vowelPrice;
    }
    key->setEnabled(false);
    Label3->setText(Label3->text() + c + QStringLiteral("  "));

    const play::Reveal reveal = play::reveal(Text1->text(), Palabra, c);
    Text1->setText(reveal.display);
    Command2->setFocus();

    if (reveal.hits == 0) {
        showScores();
        countFailure();
    } else {
        m_score += play::hitReward;
        showScores();
    }
    if (Text1->text() == Palabra && !Terminada)
        Haganado();
}

void Form1::countFailure()
{
    ++Fallos;
    showScores();
    Imagen();
}

void Form1::Imagen()
{
    if (Fallos >= 0 && Fallos <= 5)
        Image1->setPicture(I[Fallos]->picture());

    if (Fallos == play::failuresToLose && !Terminada) {
        Terminada = true;
        Form2& result = form2.get();
        result.Image1->setPicture(result.Per->picture());
        result.setAccessibleName(QStringLiteral("Has perdido"));
        Text1->setText(Text3->text());
        countInStatistics(QStringLiteral("Perdidas"));
        centreForm2();
        form2.show();
    }
}

void Form1::Haganado()
{
    m_score += play::winBonus;
    showScores();
    Form2& result = form2.get();
    result.Image1->setPicture(result.Gan->picture());
    result.setAccessibleName(QStringLiteral("Has ganado"));
    Terminada = true;
    countInStatistics(QStringLiteral("Ganadas"));
    centreForm2();
    form2.show();
}

void Form1::countInStatistics(const QString& key)
{
    if (!categories::exists(m_appFolder, CategoriaActual))
        return;
    const ProgramPath file = categoryFile();
    const std::int16_t count = categories::raisedCount(LeerIni(file, QStringLiteral("Est"), key));
    guardar(file, QStringLiteral("Est"), key, QString::number(count));
}

void Form1::showResult(const ImageControl& picture)
{
    Form2& result = form2.get();
    result.Image1->setPicture(picture.picture());
    centreForm2();
    form2.show();
}

void Form1::centreForm2()
{
    Form2& result = form2.get();
    const double left = twips::left(*this) + (twips::width(*this) - twips::width(result)) / 2.0;
    const double top = twips::top(*this) + (twips::height(*this) - twips::height(result)) / 2.0;
    twips::move(result, left, top);
}

void Form1::Command4_Click()
{
    const QString title = QStringLiteral("Palabrino");
    if (Terminada) {
        m_platform.messageBox(this, title, QStringLiteral("No puedes resolver ahora. :)"));
        return;
    }
    const QString answer = m_platform.inputBox(this, QStringLiteral("Escribe la solución"), title);
    if (answer.isEmpty())
        return;

    if (cp1252::toUpper(answer) == Text3->text()) {
        Text1->setText(Text3->text());
        Haganado();
        return;
    }
    m_platform.messageBox(this, title, QStringLiteral("Lo siento, has fallado"));
    Command2->setFocus();
    countFailure();
}

void Form1::Command2_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    centreForm2();
    if (Terminada)
        return;
    // Windows reports the Ñ key of a Spanish keyboard as 192.
    const int code = KeyCode == 192 ? 209 : KeyCode;
    const QPushButton* key = Command3.find(code);
    if (key && key->isEnabled())
        Command3_Click(static_cast<std::int16_t>(code));
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Text1)
        showHintWhenFocused(event);
    if (watched == Command2 && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const int shift = key.modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
        Command2_KeyDown(
            static_cast<std::int16_t>(virtualKeyCode(key, QGuiApplication::platformName())),
            static_cast<std::int16_t>(shift));
    }
    return QMainWindow::eventFilter(watched, event);
}
