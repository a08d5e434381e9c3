// What the main window tells screen readers: names for every control, and
// descriptions that follow the game.
#include "game/Guess.h"
#include "ui/CellRow.h"
#include "ui/Controls.h"
#include "ui/Form1.h"
#include "words/Keyboard.h"
#include "words/Phrase.h"

#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>

void Form1::nameControls()
{
    Text1->setAccessibleName(QStringLiteral("Frase oculta"));
    Label9->setAccessibleName(QStringLiteral("Casillas de la frase"));
    Label10->setAccessibleName(QStringLiteral("Pista de idioma"));
    Command4->setAccessibleDescription(QStringLiteral("Escribir la frase entera"));
    Command2->setAccessibleDescription(QStringLiteral("Empezar una partida nueva"));
    Label5->setAccessibleName(QStringLiteral("Puntuación"));
    Label6->setAccessibleName(QStringLiteral("Puntuación de la partida"));
    Label7->setAccessibleName(QStringLiteral("Total"));
    Label8->setAccessibleName(QStringLiteral("Puntuación total"));
    Label2->setAccessibleName(QStringLiteral("Fallos"));
    Label4->setAccessibleName(QStringLiteral("Número de fallos"));
    Label1->setAccessibleName(QStringLiteral("Letras utilizadas"));
    Label3->setAccessibleName(QStringLiteral("Caracteres jugados"));
    Image1->setAccessibleName(QStringLiteral("Horca"));
    for (const auto& [index, key] : Command3) {
        const bool digit = keyboard::isDigit(index);
        key->setAccessibleName((digit ? QStringLiteral("Número ") : QStringLiteral("Letra ")) +
                               key->text());
    }
}

void Form1::describeGame()
{
    QString phrase = phrase::spoken(m_game.display(), m_game.dashes());
    if (!m_game.hint().isEmpty())
        phrase += QStringLiteral(". ") + m_game.hint();
    Text1->setAccessibleDescription(phrase);
    Image1->setAccessibleDescription(
        QStringLiteral("%1 fallos de %2").arg(m_game.failures()).arg(play::failuresToLose));
    // A label's name is all a reader says of it: the value goes in the description.
    for (QLabel* value : {Label6, Label8, Label4, Label3})
        value->setAccessibleDescription(value->text());
    for (const auto& [index, key] : Command3)
        key->setAccessibleDescription(key->isEnabled() ? QStringLiteral("sin jugar")
                                                       : QStringLiteral("jugada"));
}

void Form1::showHintWhenFocused(QEvent* event)
{
    // The language hint is a tool tip; a keyboard user reaches it by tabbing
    // to the phrase.
    if (event->type() == QEvent::FocusIn && !Label10->toolTip().isEmpty())
        QToolTip::showText(Text1->mapToGlobal(QPoint(0, Text1->height())), Label10->toolTip(),
                           Text1);
}
