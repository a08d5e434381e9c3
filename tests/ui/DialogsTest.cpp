#include "app/Module1.h"
#include "support/DataFile.h"
#include "support/GameFixture.h"
#include "ui/Controls.h"
#include "ui/Form3.h"
#include "ui/Form4.h"
#include "ui/Form5.h"
#include "ui/Form6.h"
#include "ui/Form7.h"
#include "words/Shares.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

namespace {

// The pointer moving over a widget with no button held.
void hover(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The links opened so far, after a left click on each widget in turn.
QStringList linksOpened(FakePlatform& platform, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets)
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
    return platform.links;
}

// What the labels read out, with any markup rendered, joined by " | ".
QString readOut(std::initializer_list<QWidget*> labels)
{
    QStringList texts;
    for (QWidget* label : labels)
        texts.append(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name));
    return texts.join(QStringLiteral(" | "));
}

// The comment is read raw: its plain text turns a no-break space into a blank.
QString described(const ChooserForm* chooser)
{
    return readOut({chooser->Label1, chooser->Label2, chooser->Label3}) + QStringLiteral(" | ") +
           chooser->Text1->document()->toRawText();
}

class Dialogs : public ShippedGame {
protected:
    void SetUp() override
    {
        folder.write("Categorias/notas.txt", "no es una categoria");
        category({"perro"}, "Ganadas=3\r\nPerdidas=1", "Animales",
                 "[Acerca]\r\nNombre=Animales\r\nAutor=Ana\r\nE-Mail=ana@example.org\r\n"
                 "Comentario=Bichos\r\n");
        category({"raro"}, "Ganadas=3\r\nPerdidas=%1\r\nMaxPunt=<i>9</i>", "Rara",
                 "[Acerca]\r\nNombre=<b>Noche</b>\r\nAutor=Ana &amp; Beto\r\n"
                 "E-Mail=a@b.c?attach=/etc/passwd&body=hola\r\nComentario=con\xA0pausa\r\n");
        start();
    }

    Form5* chooser()
    {
        form->mnuCategorias->trigger();
        return form->form5.existing();
    }
};

} // namespace

// The chooser lists category files by name, opens on the first and describes
// the selection; "Aplicar" settles the category left and deals from the new
// one, even the current one; "Cancelar" changes nothing. Authors' text is
// shown exactly as stored: markup and entities stay as typed, the mail link
// takes the whole address as the address (a "?attach=" in it adds no field to
// the draft), and a comment holding a no-break space (which the box turns
// into a blank) no longer restores itself until the stack overflows.
TEST_F(Dialogs, CategoryChooserDescribesAsStoredLinksAndSwitches)
{
    Form5* first = chooser();
    ASSERT_EQ(first->List1->count(), 4);
    EXPECT_EQ(linksOpened(platform, {first->Label3, first->Label4}),
              QStringList({"mailto:ana@example.org", "https://palabrino.example.org/"}));
    EXPECT_EQ(described(first), "Nombre: Animales | Autor: Ana | E-Mail: ana@example.org | "
                                "Comentario: Bichos");
    first->List1->setCurrentRow(1);
    EXPECT_EQ(described(first), "Nombre:  | Autor:  | E-Mail:  | Comentario: ");
    first->List1->setCurrentRow(3);
    const QString rara = QString::fromUtf8("Nombre: <b>Noche</b> | Autor: Ana &amp; Beto | "
                                           "E-Mail: a@b.c?attach=/etc/passwd&body=hola | "
                                           "Comentario: con\u00A0pausa");
    EXPECT_EQ(described(first), rara);
    EXPECT_EQ(linksOpened(platform, {first->Label3}).last().toStdString(),
              "mailto:a@b.c%3Fattach%3D%2Fetc%2Fpasswd%26body%3Dhola");
    first->Text1->insertPlainText("x");
    EXPECT_EQ(described(first), rara);

    const auto chosen = [this] {
        return LeerIni(folder.programPath("datos.ini"), "Config", "Categoria");
    };
    first->Command2->click();
    EXPECT_EQ(form->game().phrase() + chosen(), "UNOPrueba");
    chooser()->Command1->click();
    EXPECT_EQ(form->form5.existing(), nullptr);
    EXPECT_EQ(form->game().phrase() + chosen() + stored("Datos", "Cuenta"), "PERROAnimales0");
    chooser()->Command1->click();
    EXPECT_EQ(form->game().phrase() + stored("Datos", "Cuenta", "Animales"), "PERRO1");
}

// Tab and Shift+Tab walk both choosers' controls in order and round again. A
// comment box that takes Tab as typing (which its restore undoes) keeps the
// focus, so "Aplicar" could only be reached backwards. The link below the
// list must read whole in whatever face the system gives.
TEST_F(Dialogs, ChoosersTabThroughTheirControlsBothWays)
{
    form->mnuskins->trigger();
    form->mnuCategorias->trigger();
    const QList<ChooserForm*> choosers{form->form4.existing(), form->form5.existing()};
    for (ChooserForm* chooser : choosers) {
        SCOPED_TRACE(chooser->objectName().toStdString());
        const QString comment = chooser->Text1->toPlainText();
        QApplication::setActiveWindow(chooser);
        chooser->List1->setFocus();
        QString walked = QApplication::focusWidget()->objectName();
        for (const Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
            for (int n = 0; n < 4; ++n) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, shift);
                walked += ' ' + QApplication::focusWidget()->objectName();
            }
        }
        EXPECT_EQ(walked.toStdString(),
                  "List1 Text1 Command1 Command2 List1 Command2 Command1 Text1 List1");
        EXPECT_EQ(chooser->Text1->toPlainText(), comment);
        // The link is read whole in the face the system gives.
        const QLabel* link = chooser->Label4;
        EXPECT_LE(QFontMetrics(link->font()).horizontalAdvance(link->text()), link->width());
    }
}

// The about box: links open and leave it open, hover colours stay until the
// other link is touched, any key or the cross closes it.
TEST_F(Dialogs, AboutBoxLinksHoverAndClosing)
{
    form->Command1->click();
    Form3* about = form->form3.existing();
    form->mnuacerca->trigger();
    ASSERT_EQ(form->form3.existing(), about);
    // Per link: the plain colour "-", the first hover colour seen "x", another "?".
    const QColor plain = about->Label1->palette().color(QPalette::WindowText);
    QColor hovered;
    const auto lit = [&about, &plain, &hovered] {
        QString which;
        for (const QLabel* link : {about->Label1, about->Mail}) {
            const QColor colour = link->palette().color(QPalette::WindowText);
            hovered = hovered.isValid() || colour == plain ? hovered : colour;
            which += colour == plain ? u'-' : (colour == hovered ? u'x' : u'?');
        }
        return which;
    };
    EXPECT_EQ(lit(), "--");
    const std::pair<QWidget*, const char*> moves[] = {
        {about->Label1, "x-"}, {&about->A(2), "x-"}, {about->Mail, "-x"}};
    for (const auto& [widget, expected] : moves) {
        hover(widget);
        EXPECT_EQ(lit(), expected) << widget->objectName().toStdString();
    }

    EXPECT_EQ(linksOpened(platform, {about->Label1, about->Mail}),
              QStringList({"https://palabrino.example.org/", "mailto:palabrino@example.org"}));
    EXPECT_EQ(form->form3.existing(), about);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(about->B, &key);
    EXPECT_EQ(form->form3.existing(), nullptr);

    form->mnuacerca->trigger();
    about = form->form3.existing();
    EXPECT_EQ(lit(), "--");
    linksOpened(platform, {about->Image1});
    EXPECT_EQ(form->form3.existing(), nullptr);
}

// The statistics open on the first category, follow the selection and show
// stored text as stored: a stored "%1" is not a place for a figure. Closing
// the main window closes every other window; help opens by bare name.
TEST_F(Dialogs, StatisticsShowStoredTextAndTheMainWindowClosesEveryOther)
{
    for (QAction* item : {form->mnuacerca, form->mnuestadisticas, form->mnuagradecimientos,
                          form->mnuskins, form->mnuCategorias, form->mnuayuda2})
        item->trigger();
    EXPECT_EQ(platform.helpFiles, QStringList("ayuda.chm"));
    Form6* statistics = form->form6.existing();
    EXPECT_EQ(readOut({statistics->Label4}), "Partidas Jugadas: 4");
    statistics->List1->setCurrentRow(3);
    EXPECT_EQ(
        readOut({statistics->Label4, statistics->Label1, statistics->Label2, statistics->Label3}),
        QString::fromUtf8("Partidas Jugadas: 3 | Partidas Ganadas: 3 - 100 % | Partidas "
                          "Perdidas: %1 - 0% | Máxima Puntuación: <i>9</i>"));
    const auto missing = [this] {
        return QList<const QWidget*>({form->form3.existing(), form->form4.existing(),
                                      form->form5.existing(), form->form6.existing(),
                                      form->form7.existing()})
            .count(nullptr);
    };
    statistics->Command1->click();
    EXPECT_EQ(missing(), 1);
    form->mnuestadisticas->trigger();
    form->close();
    EXPECT_EQ(missing(), 5);
}

// Shares are whole per cent rounded down and computed exactly: a double
// computation would show 28 % for 29 games of 100. Missing or unreadable
// figures count as none. Each line of data/shares.txt gives the stored games
// won and lost and the figures shown for games played, won and lost.
TEST(StatisticsLines, ShowSharesRoundedDownAndStoredTextAsStored)
{
    const QString expected = QString::fromUtf8(dataFile("shares.txt"));
    const auto figure = [](const QString& line) { return line.section(QStringLiteral(": "), 1); };
    QString shown;
    for (const QString& row : expected.split(u'\n', Qt::SkipEmptyParts)) {
        const QString won = row.section(u';', 0, 0).trimmed();
        const QString lost = row.section(u';', 1, 1).trimmed();
        const stats::Lines lines = stats::lines(won, lost, "0");
        shown += QStringLiteral("%1 ; %2 ; %3 | %4 | %5\n")
                     .arg(won, lost, figure(lines.played), figure(lines.won), figure(lines.lost));
    }
    EXPECT_EQ(shown.count(u'\n'), 8);
    EXPECT_EQ(shown, expected);
}
