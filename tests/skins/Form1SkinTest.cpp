#include "app/Controls.h"
#include "app/Module1.h"
#include "skins/Form2.h"
#include "skins/Form4.h"
#include "skins/SkinColour.h"
#include "support/GameFixture.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class Form1Skin : public ShippedGame {
protected:
    void SetUp() override
    {
        settings("Categoria=Prueba", "Skin=Rojo");
        category({"uno", "dos"});
    }

    void skin(const QString& name, const QColor& colour) const { writeSkin(folder, name, colour); }

    QRgb labelColour(const char* name) const
    {
        return form->findChild<QWidget*>(QString::fromLatin1(name))
            ->palette()
            .color(QPalette::WindowText)
            .rgb();
    }

    static QRgb colourOf(const QImage& picture) { return picture.pixel(0, 0); }

    Form4& chooser() { return form->form4.show(); }
};

} // namespace

// The colour arithmetic of info.ini, clamped parts and unreadable ones.
TEST(SkinColour, IsRedPlus256GreenPlus65536BlueFromReadableParts)
{
    EXPECT_EQ(skins::textColour("0", "128", "255"), qRgb(0, 128, 255));
    EXPECT_EQ(skins::textColour("300", "0", "0"), skins::textColour("255", "0", "0"));
    EXPECT_EQ(skins::textColour(" 12 ", "-4", "2.5"), qRgb(12, 0, 2));
    EXPECT_FALSE(skins::textColour("0", "128", ""));
    EXPECT_FALSE(skins::textColour("rojo", "0", "0"));
    EXPECT_FALSE(skins::textColour("40000", "0", "0"));
}

// The skin must reach the background, exactly the eight score labels, the
// six gallows holders and the three result pictures.
TEST_F(Form1Skin, LoadsColourBackgroundGallowsAndResultPictures)
{
    skin("Rojo", QColor(200, 0, 0));
    folder.write("Datos.ini", folder.read("datos.ini"));
    QFile::remove(folder.nativeFile("datos.ini"));
    start();

    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
        EXPECT_EQ(labelColour(name), qRgb(10, 20, 30)) << name;
    EXPECT_NE(labelColour("Label9"), qRgb(10, 20, 30));
    EXPECT_EQ(form->findChild<ClientArea*>()->background().size(), QSize(320, 408));
    EXPECT_EQ(colourOf(form->Image1->picture()), colourOf(form->I[0]->picture()));
    EXPECT_EQ(colourOf(form->I[3]->picture()), QColor(200, 0, 0).darker(160).rgb());
    EXPECT_EQ(colourOf(resultWindow()->Gan->picture()), QColor(Qt::green).rgb());
    EXPECT_FALSE(resultWindow()->isVisible());
}

// A skin that lacks pieces keeps what was there before, piece by piece, and
// a missing skin changes nothing at all and shows no message.
TEST_F(Form1Skin, MissingPiecesKeepThePreviousOnes)
{
    skin("Rojo", QColor(200, 0, 0));
    start();
    const QRgb thirdBefore = colourOf(form->I[3]->picture());

    skin("Azul", QColor(0, 0, 200));
    folder.write("Skins/Azul/info.ini", iniText({"[Colores]", "TextoR=1", "TextoV=2", "Otra=3"}));
    QFile::remove(folder.nativeFile("Skins/Azul/3.gif"));
    settings("Categoria=Prueba", "Skin=Azul");
    form->CargarSkin();
    EXPECT_EQ(colourOf(form->I[3]->picture()), thirdBefore);
    EXPECT_EQ(colourOf(form->I[2]->picture()), QColor(0, 0, 200).darker(140).rgb());
    EXPECT_EQ(labelColour("Label6"), qRgb(10, 20, 30));

    folder.write("Skins/Solo/info.ini",
                 iniText({"[Colores]", "TextoR=0", "TextoV=128", "TextoA=255"}));
    settings("Categoria=Prueba", "Skin=Solo");
    form->CargarSkin();
    EXPECT_EQ(labelColour("Label6"), qRgb(0, 128, 255));
    EXPECT_EQ(colourOf(form->I[2]->picture()), QColor(0, 0, 200).darker(140).rgb());

    for (const char* missing : {"Skin=Ninguna", "Skin=", "Skin=..\\Rojo"}) {
        settings("Categoria=Prueba", missing);
        form->CargarSkin();
        EXPECT_EQ(labelColour("Label6"), qRgb(0, 128, 255)) << missing;
        EXPECT_EQ(colourOf(form->I[2]->picture()), QColor(0, 0, 200).darker(140).rgb());
    }
    EXPECT_TRUE(platform.messages.empty());
}

// The chooser lists the first 20 folders by name, opens on the first one
// whatever the settings say, and reads each description afresh.
TEST_F(Form1Skin, ChooserListsTwentyFoldersAndDescribesTheSelection)
{
    for (int n = 0; n < 25; ++n)
        folder.write(QStringLiteral("Skins/Piel%1/info.ini").arg(n, 2, 10, QChar('0')),
                     iniText({"[Acerca]", "Nombre=Piel", "Autor=Quien"}));
    // datos.ini could not hold this name: it is left out, not counted.
    folder.write("Skins/Aĉero/info.ini", iniText({"[Acerca]", "Nombre=Acero"}));
    folder.write("Skins/Piel01/info.ini",
                 iniText({"[Acerca]", "Nombre=Primera", "Autor=Ana", "E-Mail=ana@example.org",
                          "Comentario=Con luna"}));
    settings("Categoria=Prueba", "Skin=Piel07");
    start();
    Form4& skins = chooser();
    ASSERT_EQ(skins.List1->count(), 20);
    EXPECT_EQ(skins.List1->item(0)->text(), "Piel00");
    EXPECT_EQ(skins.List1->item(19)->text(), "Piel19");
    EXPECT_EQ(skins.List1->currentRow(), 0);
    EXPECT_EQ(skins.Label1->text(), "Nombre: Piel");
    EXPECT_EQ(skins.Label3->text(), "E-Mail: ");
    EXPECT_EQ(skins.Text1->toPlainText(), "Comentario: ");

    skins.List1->setCurrentRow(1);
    EXPECT_EQ(skins.Label1->text(), "Nombre: Primera");
    EXPECT_EQ(skins.Label2->text(), "Autor: Ana");
    EXPECT_EQ(skins.Label3->text(), "E-Mail: ana@example.org");
    EXPECT_EQ(skins.Text1->toPlainText(), "Comentario: Con luna");

    // Edits of the comment are undone at once and never written.
    const QByteArray info = folder.read("Skins/Piel01/info.ini");
    skins.Text1->insertPlainText("xyz");
    EXPECT_EQ(skins.Text1->toPlainText(), "Comentario: Con luna");
    skins.Text1->clear();
    EXPECT_EQ(skins.Text1->toPlainText(), "Comentario: Con luna");
    EXPECT_EQ(folder.read("Skins/Piel01/info.ini"), info);

    // A second opening shows the same window.
    EXPECT_EQ(&chooser(), &skins);
}

// "Aplicar" in the middle of a game keeps the game and shows the new skin's
// picture for the current failures; "Cancelar" writes nothing.
TEST_F(Form1Skin, ApplyingKeepsTheGameAndCancellingWritesNothing)
{
    skin("Rojo", QColor(200, 0, 0));
    skin("Azul", QColor(0, 0, 200));
    start();
    playAll("BC");
    ASSERT_EQ(shown("Label4"), "2");

    const QByteArray before = folder.read("datos.ini");
    chooser().Command2->click();
    EXPECT_EQ(folder.read("datos.ini"), before);
    EXPECT_EQ(form->form4.existing(), nullptr);
    chooser().close();
    EXPECT_EQ(folder.read("datos.ini"), before);

    Form4& skins = chooser();
    ASSERT_EQ(skins.List1->item(0)->text(), "Azul");
    skins.Command1->click();
    EXPECT_EQ(LeerIni(folder.programPath("datos.ini"), "Config", "Skin"), "Azul");
    EXPECT_EQ(colourOf(form->Image1->picture()), QColor(0, 0, 200).darker(140).rgb());
    EXPECT_EQ(shown("Label4"), "2");
    EXPECT_EQ(shown("Label3"), "B  C  ");
    EXPECT_EQ(form->palabra(), "UNO");
    EXPECT_EQ(form->form4.existing(), nullptr);
}

// Without skins the chooser still opens, describes nothing and only closes.
TEST_F(Form1Skin, ChooserWithoutSkinsOpensEmptyAndOnlyCloses)
{
    QDir(folder.nativeFile("Skins")).removeRecursively();
    start();
    Form4& skins = chooser();
    EXPECT_EQ(skins.List1->count(), 0);
    EXPECT_EQ(skins.Label1->text(), "Nombre:");
    const QByteArray before = folder.read("datos.ini");
    skins.Command1->click();
    EXPECT_EQ(folder.read("datos.ini"), before);
    EXPECT_EQ(form->form4.existing(), nullptr);
}
