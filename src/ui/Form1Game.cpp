// The game in progress in the main window: each handler hands its event to
// the game and shows what it did.
#include "app/Numbers.h"
#include "game/Guess.h"
#include "skins/Colors.h"
#include "ui/CellRow.h"
#include "ui/Controls.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/KeyCodes.h"
#include "ui/Platform.h"
#include "ui/WindowTwips.h"
#include "words/Keyboard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

void Form1::Form_Load()
{
    if (Colocada == 0) {
        // Top edge at the top of the screen, centred across it.
        const double left = (twips::screenWidth(*this) - twips::width(*this)) / 2.0;
        twips::move(*this, left, 0);
        Colocada = 1;
    }

    const Dealt dealt = m_game.deal();
    if (!SkinCargado)
        CargarSkin();
    Imagen();
    showDigitKeys();
    showGame();

    const QString title = QStringLiteral("Palabrino");
    if (dealt == Dealt::NoCategory)
        m_platform.messageBox(
            this, title, QStringLiteral("La carpeta Categorias no contiene ninguna categoría."));
    else if (dealt == Dealt::EmptyCategory)
        m_platform.messageBox(
            this, title,
            QStringLiteral("La categoría \"%1\" no tiene frases.").arg(m_game.category()));
}

void Form1::Paracat() { Form_Load(); }

void Form1::Repetiralabrir() { m_game.leave(); }

void Form1::showDigitKeys()
{
    const QColor colour(m_game.hasDigit() ? colors::digitInPhrase : colors::digitButton);
    for (const auto& [code, key] : Command3) {
        if (keyboard::isDigit(code))
            setColour(*key, QPalette::Button, colour);
    }
}

void Form1::showGame()
{
    Text3->setText(m_game.phrase());
    Text1->setText(m_game.display());
    Label9->setText(m_game.dashes());
    Label10->setToolTip(m_game.hint());
    Label3->setText(m_game.used());
    Label6->setText(numberText(m_game.score()));
    Label8->setText(numberText(m_game.total()));
    Label4->setText(QString::number(m_game.failures()));
    for (const auto& [code, key] : Command3)
        key->setEnabled(!m_game.hasPlayed(QChar(static_cast<char16_t>(code))));
    describeGame();
}

void Form1::Command3_Click(std::int16_t Index)
{
    const Outcome outcome = m_game.play(QChar(static_cast<char16_t>(Index)));
    if (outcome == Outcome::Ignored)
        return;
    if (outcome == Outcome::NoPoints) {
        showResult(*form2.get().Pun, QStringLiteral("Sin puntos: las vocales cuestan %1 puntos")
                                         .arg(numberText(play::vowelPrice)));
        return;
    }
    showGame();
    Command2->setFocus();
    showMove(outcome);
}

void Form1::showMove(Outcome outcome)
{
    Imagen();
    if (outcome == Outcome::Lost)
        showLoss();
    else if (outcome == Outcome::Won)
        Haganado();
}

void Form1::Imagen()
{
    const std::size_t stage = std::min<std::size_t>(m_game.failures(), I.size() - 1);
    Image1->setPicture(I[stage]->picture());
}

void Form1::showLoss() { showResult(*form2.get().Per, QStringLiteral("Has perdido")); }

void Form1::Haganado() { showResult(*form2.get().Gan, QStringLiteral("Has ganado")); }

void Form1::showResult(const ImageControl& picture, const QString& spokenName)
{
    Form2& result = form2.get();
    result.Image1->setPicture(picture.picture());
    result.setAccessibleName(spokenName);
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
    if (m_game.over()) {
        m_platform.messageBox(this, title, QStringLiteral("No puedes resolver ahora. :)"));
        return;
    }
    const Outcome outcome =
        m_game.solve(m_platform.inputBox(this, QStringLiteral("Escribe la solución"), title));
    if (outcome == Outcome::Ignored)
        return;
    if (outcome != Outcome::Won) {
        m_platform.messageBox(this, title, QStringLiteral("Lo siento, has fallado"));
        Command2->setFocus();
    }
    showGame();
    showMove(outcome);
}

void Form1::Command2_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    centreForm2();
    // Windows reports the Ñ key of a Spanish keyboard as 192.
    Command3_Click(KeyCode == 192 ? std::int16_t(209) : KeyCode);
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
