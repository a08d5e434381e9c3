#include "app/Controls.h"
#include "app/Module1.h"
#include "dialogs/Form3.h"
#include "dialogs/Form5.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "skins/Form2.h"
#include "skins/Form4.h"
#include "support/GameFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

class Dialogs : public ShippedGame {
protected:
    void SetUp() override
    {
        settings("Categoria=Deportes");
        QDir(folder.nativeFile("Categorias")).removeRecursively();
        folder.write(
            "Categorias/Animales.ini",
            iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=perro", "[Acerca]",
                     "Nombre=Animales", "Autor=Ana", "E-Mail=ana@example.org", "Comentario=Bichos",
                     "[Est]", "Ganadas=3", "Perdidas=1", "MaxPunt=2500"}));
        category({"futbol", "tenis"}, {.name = "Deportes"});
    }

    static void leftClick(QWidget* widget)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2),
                          widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2),
                            widget->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }

    static void hover(QWidget* widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }

    static QRgb textColour(const QLabel* label)
    {
        return label->palette().color(QPalette::WindowText).rgb();
    }
};

} // namespace

// The chooser lists the categories by file name, opens on the first and
// describes it; the mail line writes to its author.
TEST_F(Dialogs, CategoryChooserListsAndDescribesCategories)
{
    folder.write("Categorias/notas.txt", "no es una categoria");
    // datos.ini could not hold this name: chosen, it would come back as another.
    folder.write("Categorias/Año Ω.ini", folder.read("Categorias/Animales.ini"));
    start();
    form->mnuCategorias->trigger();
    Form5* chooser = form->form5.existing();
    ASSERT_NE(chooser, nullptr);
    ASSERT_EQ(chooser->List1->count(), 2);
    EXPECT_EQ(chooser->List1->item(0)->text(), "Animales");
    EXPECT_EQ(chooser->List1->item(1)->text(), "Deportes");
    EXPECT_EQ(chooser->List1->currentRow(), 0);
    EXPECT_EQ(chooser->Label2->text(), "Autor: Ana");
    EXPECT_EQ(chooser->Text1->toPlainText(), "Comentario: Bichos");

    leftClick(chooser->Label3);
    leftClick(chooser->Label4);
    EXPECT_EQ(platform.links,
              QStringList({"mailto:ana@example.org", "https://palabrino.example.org/"}));

    chooser->List1->setCurrentRow(1);
    EXPECT_EQ(chooser->Label1->text(), "Nombre: ");
    EXPECT_EQ(chooser->Text1->toPlainText(), "Comentario: ");
}

// Authors' text is shown exactly as stored: markup and entities stay as
// typed, a stored "%1" is not a place for a figure, and a comment holding a
// no-break space (which the box turns into a blank) no longer restores itself
// until the stack overflows.
TEST_F(Dialogs, ChoosersAndStatisticsShowStoredTextAsTyped)
{
    folder.write(
        "Categorias/Rara.ini",
        iniText({"[Datos]", "Cuenta=0", "Modo=0", "[Contenido]", "1A=raro", "[Acerca]",
                 "Nombre=<b>Noche</b>", "Autor=Ana &amp; Beto", "Comentario=con\u00A0pausa",
                 "[Est]", "Ganadas=3", "Perdidas=%1", "MaxPunt=<i>9</i>"}));
    const auto shown = [](QWidget* label) {
        return QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
    };
    start();
    form->mnuCategorias->trigger();
    Form5* chooser = form->form5.existing();
    chooser->List1->setCurrentRow(2);
    EXPECT_EQ(shown(chooser->Label1), "Nombre: <b>Noche</b>");
    EXPECT_EQ(shown(chooser->Label2), "Autor: Ana &amp; Beto");
    EXPECT_EQ(chooser->Text1->document()->toRawText(),
              QString::fromUtf8("Comentario: con\u00A0pausa"));
    chooser->Text1->insertPlainText("x");
    EXPECT_EQ(chooser->Text1->document()->toRawText(),
              QString::fromUtf8("Comentario: con\u00A0pausa"));

    // The statistics open on the first category and follow the selection.
    form->mnuestadisticas->trigger();
    Form6* statistics = form->form6.existing();
    EXPECT_EQ(statistics->Label4->text(), "Partidas Jugadas: 4");
    statistics->List1->setCurrentRow(2);
    EXPECT_EQ(shown(statistics->Label2), "Partidas Perdidas: %1 - 0%");
    EXPECT_EQ(shown(statistics->Label3), QString::fromUtf8("Máxima Puntuación: <i>9</i>"));
    statistics->Command1->click();
    EXPECT_EQ(form->form6.existing(), nullptr);
}

// "Aplicar" settles the category left, switches and deals from the new one,
// even when it is the current one; "Cancelar" changes nothing.
TEST_F(Dialogs, CategoryChooserSettlesTheCategoryLeftAndSwitches)
{
    start();
    ASSERT_EQ(form->palabra(), "FUTBOL");
    form->mnuCategorias->trigger();
    form->form5.existing()->Command2->click();
    EXPECT_EQ(form->palabra(), "FUTBOL");
    EXPECT_EQ(LeerIni(folder.programPath("datos.ini"), "Config", "Categoria"), "Deportes");

    form->mnuCategorias->trigger();
    form->form5.existing()->Command1->click();
    EXPECT_EQ(form->form5.existing(), nullptr);
    EXPECT_EQ(LeerIni(folder.programPath("datos.ini"), "Config", "Categoria"), "Animales");
    EXPECT_EQ(form->palabra(), "PERRO");
    EXPECT_EQ(stored("Datos", "Cuenta", "Deportes"), "0");

    form->mnuCategorias->trigger();
    form->form5.existing()->Command1->click();
    EXPECT_EQ(form->palabra(), "PERRO");
    EXPECT_EQ(stored("Datos", "Cuenta", "Animales"), "1");
}

// The about box: links open and leave it open, hover colours stay until the
// other link is touched, any key or the cross closes it.
TEST_F(Dialogs, AboutBoxLinksHoverAndClosing)
{
    start();
    form->Command1->click();
    Form3* about = form->form3.existing();
    ASSERT_NE(about, nullptr);
    form->mnuacerca->trigger();
    EXPECT_EQ(form->form3.existing(), about);

    const QRgb plain = textColour(about->Label1);
    hover(about->Label1);
    const QRgb hovered = textColour(about->Label1);
    EXPECT_NE(hovered, plain);
    EXPECT_EQ(textColour(about->Mail), plain);
    hover(&about->A(2));
    EXPECT_EQ(textColour(about->Label1), hovered);
    hover(about->Mail);
    EXPECT_EQ(textColour(about->Label1), plain);
    EXPECT_EQ(textColour(about->Mail), hovered);

    leftClick(about->Label1);
    leftClick(about->Mail);
    EXPECT_EQ(platform.links,
              QStringList({"https://palabrino.example.org/", "mailto:palabrino@example.org"}));
    EXPECT_EQ(form->form3.existing(), about);

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(about->B, &key);
    EXPECT_EQ(form->form3.existing(), nullptr);

    form->mnuacerca->trigger();
    about = form->form3.existing();
    EXPECT_EQ(textColour(about->Label1), plain);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(about->Image1, &press);
    QApplication::sendEvent(about->Image1, &release);
    EXPECT_EQ(form->form3.existing(), nullptr);
}

// Closing the main window closes every other window; help opens by bare name.
TEST_F(Dialogs, ClosingTheMainWindowClosesEveryOtherWindow)
{
    start();
    form->mnuacerca->trigger();
    form->mnuestadisticas->trigger();
    form->mnuagradecimientos->trigger();
    form->mnuskins->trigger();
    form->mnuCategorias->trigger();
    EXPECT_NE(form->form7.existing(), nullptr);
    form->mnuayuda2->trigger();
    EXPECT_EQ(platform.helpFiles, QStringList("ayuda.chm"));

    form->close();
    EXPECT_EQ(form->form3.existing(), nullptr);
    EXPECT_EQ(form->form4.existing(), nullptr);
    EXPECT_EQ(form->form5.existing(), nullptr);
    EXPECT_EQ(form->form6.existing(), nullptr);
    EXPECT_EQ(form->form7.existing(), nullptr);
}
