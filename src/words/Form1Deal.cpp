// The new-game set-up of the main window: reset, deal the next entry of the
// current category in order, and show it masked.
#include "app/AppPath.h"
#include "app/CellRow.h"
#include "app/Colors.h"
#include "app/Controls.h"
#include "app/Cp1252.h"
#include "app/Form1.h"
#include "app/Module1.h"
#include "app/Numbers.h"
#include "app/Platform.h"
#include "app/Twips.h"
#include "game/Guess.h"
#include "words/CategoryFiles.h"
#include "words/Phrase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void Form1::Form_Load()
{
    if (Colocada == 0) {
        // Top edge at the top of the screen, centred across it.
        const double left = (twips::screenWidth(*this) - twips::width(*this)) / 2.0;
        twips::move(*this, left, 0);
        Colocada = 1;
    }

    // An empty entry sends the set-up back to the first one; a second empty
    // draw means the category has no phrase at all.
    for (int draw = 1;; ++draw) {
        resetGame();
        if (!SkinCargado)
            CargarSkin();
        Image1->setPicture(I[0]->picture());

        if (!chooseCategory()) {
            endEmptyGame(QStringLiteral("La carpeta Categorias no contiene ninguna categoría."));
            return;
        }

        // The restart deals 1A even when the counter could not be stored.
        const phrase::Entry entry = phrase::withoutHint(dealEntry(draw == 2));
        Label10->setToolTip(entry.hint);
        if (!entry.phrase.isEmpty()) {
            showPhrase(entry.phrase);
            return;
        }

        guardar(categoryFile(), QStringLiteral("Datos"), QStringLiteral("Cuenta"),
                QStringLiteral("0"));
        if (draw == 2) {
            endEmptyGame(
                QStringLiteral("La categoría \"%1\" no tiene frases.").arg(CategoriaActual));
            return;
        }
    }
}

void Form1::Paracat() { Form_Load(); }

void Form1::resetGame()
{
    m_total += m_score;
    m_score = 0;
    Text1->clear();
    Text3->clear();
    Label3->clear();
    Label9->clear();
    Palabra.clear();
    Fallos = 0;
    showScores();
    Terminada = false;

    for (const auto& [code, key] : Command3) {
        key->setEnabled(true);
        if (!play::isDigit(code))
            continue;
        QPalette colours = key->palette();
        colours.setColor(QPalette::Button, QColor(colors::digitButton));
        key->setPalette(colours);
    }
}

bool Form1::chooseCategory()
{
    CategoriaActual =
        LeerIni(settingsFile(), QStringLiteral("Config"), QStringLiteral("Categoria"));
    if (!categories::exists(m_appFolder, CategoriaActual)) {
        // Play the first category there is, leaving the settings alone.
        const QStringList available = categories::names(m_appFolder);
        CategoriaActual = available.isEmpty() ? QString() : available.first();
    }
    return !CategoriaActual.isEmpty();
}

QString Form1::dealEntry(bool fromStart)
{
    const ProgramPath file = categoryFile();
    double counter = 0;
    if (!fromStart)
        counter = categories::storedNumber(
            LeerIni(file, QStringLiteral("Datos"), QStringLiteral("Cuenta")));
    const std::int16_t number = phrase::nextEntry(counter);
    CuentaActual = QString::number(number);
    // The counter moves on before the entry is read, so a crash cannot deal it twice.
    guardar(file, QStringLiteral("Datos"), QStringLiteral("Cuenta"), CuentaActual);
    return cp1252::toUpper(LeerIni(file, QStringLiteral("Contenido"), phrase::entryKey(number)));
}

void Form1::showPhrase(const QString& phrase)
{
    Palabra = phrase;
    Text3->setText(Palabra);

    const phrase::Masked masked = phrase::mask(Palabra);
    Label9->setText(masked.dashes);
    if (masked.hasDigit) {
        for (const auto& [code, key] : Command3) {
            if (!play::isDigit(code))
                continue;
            QPalette colours = key->palette();
            colours.setColor(QPalette::Button, QColor(colors::digitInPhrase));
            key->setPalette(colours);
        }
    }
    Text1->setText(Modo() ? phrase::withFirstShown(masked.display, Palabra) : masked.display);
}

bool Form1::Modo() const
{
    const QString modo = LeerIni(categoryFile(), QStringLiteral("Datos"), QStringLiteral("Modo"));
    return numberFromText(modo) == 1.0;
}

void Form1::endEmptyGame(const QString& message)
{
    Terminada = true;
    m_platform.messageBox(this, QStringLiteral("Palabrino"), message);
}

void Form1::Repetiralabrir()
{
    if (!categories::exists(m_appFolder, CategoriaActual))
        return;
    const ProgramPath file = categoryFile();

    // A game left before anything was uncovered hands its entry back.
    if (!Palabra.isEmpty() && phrase::isUntouched(Text1->text())) {
        if (const std::optional<double> counter = numberFromText(CuentaActual)) {
            CuentaActual = numberText(*counter - 1);
            guardar(file, QStringLiteral("Datos"), QStringLiteral("Cuenta"), CuentaActual);
        }
    }

    const double runningTotal = m_total + m_score;
    const double best =
        categories::storedNumber(LeerIni(file, QStringLiteral("Est"), QStringLiteral("MaxPunt")));
    if (runningTotal > best)
        guardar(file, QStringLiteral("Est"), QStringLiteral("MaxPunt"), numberText(runningTotal));
}

ProgramPath Form1::settingsFile() const { return ::settingsFile(m_appFolder); }

ProgramPath Form1::categoryFile() const { return categories::file(m_appFolder, CategoriaActual); }

void Form1::guardar(const ProgramPath& file, const QString& section, const QString& key,
                    const QString& value)
{
    guardarIni(m_platform, this, file, section, key, value);
}

void Form1::showScores()
{
    Label6->setText(numberText(m_score));
    Label8->setText(numberText(m_total));
    Label4->setText(QString::number(Fallos));
    describeGame();
}
