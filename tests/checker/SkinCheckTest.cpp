#include "CheckerTest.h"
#include "checker/Contrast.h"
#include "checker/SkinCheck.h"
#include "support/GifBytes.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class SkinCheck : public SkinFolder {
protected:
    void SetUp() override { skin("Roja"); }

    std::string checked() const { return printed(checker::checkSkin(folder.nativeFile("Skins/Roja"))); }

    void remove(const QString& name) const { QFile::remove(folder.nativeFile("Skins/Roja/" + name)); }

    // A white background with black bands over the given areas.
    void background(std::initializer_list<QRect> dark) const
    {
        QImage image(320, 408, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        for (const QRect& area : dark)
            painter.fillRect(area, Qt::black);
        painter.end();
        ASSERT_TRUE(image.save(folder.nativeFile("Skins/Roja/fondo.gif"), "PNG"));
    }

    void colour(const char* red, const char* green, const char* blue) const
    {
        folder.write("Skins/Roja/info.ini",
                     iniText({"[Colores]", red, green, blue, "[Acerca]", "Nombre=Roja",
                              "Autor=Alguien", "E-Mail=a@example.org", "Comentario=Prueba"}));
    }
};

const QString contrastNote = "info.ini:1: el color del texto (%1) contrasta solo %2:1 con el fondo de "
                         "las etiquetas (%3, color medio %4); hace falta al menos 4,5:1";

std::string contrast(const char* text, const char* ratio, const char* where, const char* average)
{
    return contrastNote.arg(text, ratio, where, average).toStdString();
}

} // namespace

// A checker that matched names by case, or misread a good skin, would report
// faults where the game sees none.
TEST_F(SkinCheck, PassesACompleteSkinWhateverTheCaseOfItsNames)
{
    EXPECT_EQ(checked(), "");
    QDir skinFolder(folder.nativeFile("Skins/Roja"));
    ASSERT_TRUE(skinFolder.rename("fondo.gif", "FONDO.GIF"));
    ASSERT_TRUE(skinFolder.rename("info.ini", "Info.INI"));
    EXPECT_EQ(checked(), "");
}

// Each picture the game would leave unloaded or show at another size.
TEST_F(SkinCheck, NamesMissingUnreadableAndMisSizedPictures)
{
    remove("fondo.gif");
    picture("Skins/Roja/FONDO.GIF", Qt::white, {320, 400});
    folder.write("Skins/Roja/0.gif", "GIF89a no es un dibujo");
    picture("Skins/Roja/1.gif", Qt::gray, {300, 200});
    remove("2.gif");
    QDir().mkpath(folder.nativeFile("Skins/Roja/2.gif"));
    remove("3.gif");
    // Qt's reader shows what precedes the undefined code 7; the game refuses it.
    folder.write("Skins/Roja/4.gif",
                 gifHead(plainGif(320, 240, 1)) + QByteArray("\x02\x03\x44\xA8\xAF\0;", 7));
    picture("Skins/Roja/ganado.gif", Qt::green, {4097, 10});
    EXPECT_EQ(checked(), "FONDO.GIF: mide 320x400 y se diseñó para 320x408\n"
                         "0.gif: no se puede leer como dibujo; el juego no lo carga\n"
                         "1.gif: mide 300x200 y se diseñó para 320x240\n"
                         "2.gif: falta el archivo\n"
                         "3.gif: falta el archivo\n"
                         "4.gif: no se puede leer como dibujo; el juego no lo carga\n"
                         "ganado.gif: mide 4097x10; el juego no carga dibujos de más de 4096x4096");
}

// The colour parts and the description the skin chooser shows.
TEST_F(SkinCheck, NamesBadColourPartsAndMissingDescriptions)
{
    folder.write("Skins/Roja/info.ini", iniText({"[Colores]", "TextoR=300", "TextoV=abc", "[Acerca]",
                                                 "Nombre=Roja", "E-Mail=", "Comentario=x"}));
    EXPECT_EQ(checked(), "info.ini:1: falta la clave TextoA en [Colores]\n"
                         "info.ini:2: la clave TextoR debe ser un número entero de 0 a 255: «300»\n"
                         "info.ini:3: la clave TextoV no es un número: «abc»\n"
                         "info.ini:4: falta la clave Autor en [Acerca]\n"
                         "info.ini:6: la clave E-Mail está vacía");

    colour("TextoR=-1", "TextoV=2.5", "TextoA= 7 ");
    EXPECT_EQ(checked(), "info.ini:2: la clave TextoR debe ser un número entero de 0 a 255: «-1»\n"
                         "info.ini:3: la clave TextoV debe ser un número entero de 0 a 255: «2.5»");

    folder.write("Skins/Roja/info.ini", iniText({"[Acerca]", "Nombre=a", "Autor=b", "E-Mail=c",
                                                 "Comentario=d"}));
    EXPECT_EQ(checked(), "info.ini: falta la sección [Colores]");
    remove("info.ini");
    EXPECT_EQ(checked(), "info.ini: falta el archivo");
}

// The weakest patch under the labels counts, not the whole picture's average,
// and the level is 4.5:1, never rounded up to it.
TEST_F(SkinCheck, NamesTextColoursThatFadeIntoTheBackgroundUnderTheLabels)
{
    colour("TextoR=255", "TextoV=255", "TextoA=255");
    EXPECT_EQ(checked(), contrast("R 255, V 255, A 255", "1,0", "x 8 a 22, y 104 a 120",
                                      "R 255, V 255, A 255"));

    colour("TextoR=0", "TextoV=0", "TextoA=0");
    background({{0, 0, 320, 100}, {0, 300, 320, 108}});
    EXPECT_EQ(checked(), "");
    background({{206, 128, 15, 17}});
    EXPECT_EQ(checked(), contrast("R 0, V 0, A 0", "1,0", "x 206 a 220, y 128 a 144",
                                      "R 0, V 0, A 0"));

    background({});
    colour("TextoR=118", "TextoV=118", "TextoA=118");
    EXPECT_EQ(checked(), "");
    colour("TextoR=119", "TextoV=119", "TextoA=119");
    EXPECT_EQ(checked(), contrast("R 119, V 119, A 119", "4,4", "x 8 a 22, y 104 a 120",
                                      "R 255, V 255, A 255"));

    // Without a background the labels stand on the window's grey.
    remove("fondo.gif");
    colour("TextoR=128", "TextoV=128", "TextoA=128");
    EXPECT_EQ(checked(), "fondo.gif: falta el archivo\n" +
                             contrast("R 128, V 128, A 128", "2,1", "x 8 a 22, y 104 a 120",
                                          "R 192, V 192, A 192"));
}

// The two ends of the scale and its symmetry.
TEST(Contrast, RunsFromOneToTwentyOneWhicheverColourIsLighter)
{
    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(255, 255, 255), qRgb(0, 0, 0)), 21.0);
    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(10, 200, 30), qRgb(10, 200, 30)), 1.0);
    EXPECT_NEAR(checker::relativeLuminance(qRgb(255, 0, 0)), 0.2126, 1e-9);
}
