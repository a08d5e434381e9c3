#include "app/Module1.h"
#include "skins/SkinColour.h"
#include "support/DataFile.h"
#include "support/GameFixture.h"
#include "ui/Controls.h"
#include "ui/Form4.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace {

class Form1Skin : public ShippedGame {
protected:
    void skin(const QString& name, const QColor& colour) const { writeSkin(folder, name, colour); }

    void load(const char* skinLine)
    {
        settings("Categoria=Prueba", skinLine);
        form->CargarSkin();
    }

    // The numbers of the labels, out of Label1 to Label9, whose text wears `colour`.
    std::string labelsIn(QRgb colour) const
    {
        std::string found;
        for (int n = 1; n <= 9; ++n) {
            const auto* label = form->findChild<QWidget*>(QStringLiteral("Label%1").arg(n));
            if (label->palette().color(QPalette::WindowText).rgb() == colour)
                found += char('0' + n);
        }
        return found;
    }

    static QRgb colourOf(const ImageControl* holder) { return holder->picture().pixel(0, 0); }

    Form4& chooser() { return form->form4.show(); }
};

} // namespace

// Would catch a part not kept within 0 to 255, or a colour made up although
// a part is no number or does not fit; the parts' weights show in the labels.
TEST(SkinColour, KeepsEachPartWithinRangeAndNeedsAllThree)
{
    EXPECT_EQ(skins::textColour("300", "-4", "2.5"), qRgb(255, 0, 2));
    EXPECT_FALSE(skins::textColour("40000", "0", "0"));
    EXPECT_FALSE(skins::textColour("0", "0", "rojo"));
}

// The skin must reach exactly the eight score labels, the background, each
// gallows holder from its own numbered file and the open result window. A
// skin that lacks pieces, or whose pieces are empty or too big to take (a
// huge allocation on a crafted file), keeps what was there before, piece by
// piece; a skin missing, unnamed or named outside Skins changes nothing and
// says nothing, and so do pieces that are pipes or devices.
TEST_F(Form1Skin, LoadsEachPieceAndKeepsThePreviousOnesWhereOneIsMissing)
{
    skin("Rojo", QColor(200, 0, 0));
    settings("Categoria=Prueba", "Skin=Rojo");
    start();
    EXPECT_EQ(labelsIn(qRgb(10, 20, 30)), "12345678");
    EXPECT_EQ(form->findChild<ClientArea*>()->background().pixel(319, 407), qRgb(200, 0, 0));
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(colourOf(form->I[n]), QColor(200, 0, 0).darker(100 + 20 * n).rgb()) << n;

    skin("Azul", QColor(0, 0, 200));
    folder.write("Skins/Azul/info.ini", iniText({"[Colores]", "TextoR=1", "TextoV=2", "Otra=3"}));
    QFile::remove(folder.nativeFile("Skins/Azul/3.gif"));
    folder.write("Skins/Azul/4.gif", QByteArray());
    // White, and one pixel wider than skins::maxPictureSide: a sample of the
    // GIF decoder's tests.
    folder.write("Skins/Azul/5.gif", dataFile("../../skins/data/too-wide.gif"));
    picture("Skins/Azul/ganado.gif", Qt::white);
    Form2& result = form->form2.get();
    load("Skin=Azul");
    EXPECT_EQ(labelsIn(qRgb(10, 20, 30)), "12345678");
    for (int n = 3; n < 6; ++n)
        EXPECT_EQ(colourOf(form->I[n]), QColor(200, 0, 0).darker(100 + 20 * n).rgb()) << n;
    EXPECT_EQ(colourOf(result.Gan), qRgb(255, 255, 255));

    folder.write("Skins/Solo/info.ini",
                 iniText({"[Colores]", "TextoR=0", "TextoV=128", "TextoA=255"}));
    skin("../Fuera", Qt::black);
    for (const char* skinLine : {"Skin=Solo", "Skin=Ninguna", "Skin=", "Skin=..\\Fuera"}) {
        load(skinLine);
        EXPECT_EQ(labelsIn(qRgb(0, 128, 255)), "12345678") << skinLine;
        EXPECT_EQ(colourOf(form->I[2]), QColor(0, 0, 200).darker(140).rgb()) << skinLine;
    }

#ifndef Q_OS_WIN
    // Pieces that are not plain files are taken as missing: a pipe is never
    // waited on, a device never read. A Windows folder holds neither.
    skin("Trampa", QColor(0, 200, 0));
    for (const char* piece : {"info.ini", "1.gif", "2.gif"})
        QFile::remove(folder.nativeFile(QStringLiteral("Skins/Trampa/") + piece));
    folder.pipe("Skins/Trampa/info.ini");
    folder.pipe("Skins/Trampa/1.gif");
    folder.link("Skins/Trampa/2.gif", "/dev/zero");
    load("Skin=Trampa");
    EXPECT_EQ(labelsIn(qRgb(0, 128, 255)), "12345678");
    EXPECT_EQ(colourOf(form->I[0]), qRgb(0, 200, 0));
    for (int n = 1; n < 3; ++n)
        EXPECT_EQ(colourOf(form->I[n]), QColor(0, 0, 200).darker(100 + 20 * n).rgb()) << n;
#endif
    EXPECT_TRUE(platform.messages.empty());
}

// The chooser lists the first twenty skins by name, leaving out a name
// datos.ini cannot hold, opens on the first whatever the settings say, and
// describes the selection from its own info.ini. "Aplicar" in the middle of a
// game keeps the game and shows the new skin's picture for the failures so
// far; "Cancelar", closing, and "Aplicar" with no skin to choose write nothing.
TEST_F(Form1Skin, ChooserListsTwentySkinsAndApplyingKeepsTheGame)
{
    skin("Azul", QColor(0, 0, 200));
    for (int n = 0; n < 25; ++n) {
        const QString name = QStringLiteral("Piel%1").arg(n, 2, 10, QChar('0'));
        folder.write("Skins/" + name + "/info.ini",
                     iniText({"[Acerca]"}) + "Autor=" + name.toLatin1());
    }
    folder.write("Skins/Aĉero/info.ini", iniText({"[Acerca]", "Autor=Acero"}));
    start();
    click('B');
    click('C');
    const QByteArray before = folder.read("datos.ini");
    chooser().Command2->click();
    EXPECT_EQ(form->form4.existing(), nullptr);
    Form4& skins = chooser();
    ASSERT_EQ(skins.List1->count(), 20);
    skins.List1->setCurrentRow(1);
    EXPECT_EQ(skins.List1->item(19)->text() + ' ' + skins.Label2->text(), "Piel18 Autor: Piel00");
    skins.close();
    EXPECT_EQ(folder.read("datos.ini"), before);

    ASSERT_EQ(chooser().Label2->text(), "Autor: Alguien");
    chooser().Command1->click();
    EXPECT_EQ(LeerIni(folder.programPath("datos.ini"), "Config", "Skin"), "Azul");
    EXPECT_EQ(colourOf(form->Image1), QColor(0, 0, 200).darker(140).rgb());
    EXPECT_EQ(shown("Label4") + '|' + shown("Label3") + '|' + form->game().phrase(),
              "2|B  C  |UNO");
    EXPECT_EQ(form->form4.existing(), nullptr);

    QDir(folder.nativeFile("Skins")).removeRecursively();
    const QByteArray applied = folder.read("datos.ini");
    chooser().Command1->click();
    EXPECT_EQ(folder.read("datos.ini"), applied);
}
