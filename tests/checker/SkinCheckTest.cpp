#include "checker/SkinCheck.h"
#include "CheckerTest.h"
#include "checker/Contrast.h"
#include "support/GifBytes.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

class SkinCheck : public SkinFolder {
protected:
    void SetUp() override { skin("Roja"); }

    std::string checked() const
    {
        return printed(checker::checkSkin(folder.nativeFile("Skins/Roja")));
    }

    void remove(const QString& name) const
    {
        QFile::remove(folder.nativeFile("Skins/Roja/" + name));
    }

    // A white background with a black band over the given area.
    void background(const QRect& dark) const
    {
        QImage image(320, 408, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter(&image).fillRect(dark, Qt::black);
        ASSERT_TRUE(image.save(folder.nativeFile("Skins/Roja/fondo.gif"), "PNG"));
    }
};

const QString blackOnBlack =
    "info.ini:1: el color del texto (R 0, V 0, A 0) contrasta solo 1,0:1 con el fondo de las "
    "etiquetas (x 206 a 220, y 128 a 144, color medio R 0, V 0, A 0); hace falta al menos 4,5:1";

} // namespace

// Each sample info.ini in data/skins, laid in a complete skin on white, beside
// the findings expected of it: colour parts, descriptions, and text colours
// that fade into the background, the level 4.5:1 never rounded up to.
TEST_F(SkinCheck, FindsWhatEachSampleDescriptionExpects)
{
    EXPECT_EQ(checked(), "");
    const QDir data(QStringLiteral(CHECKER_DATA_DIR "/skins"));
    const QStringList samples = data.entryList({QStringLiteral("*.ini")}, QDir::Files);
    ASSERT_GE(samples.size(), 6);
    for (const QString& sample : samples) {
        SCOPED_TRACE(sample.toStdString());
        remove("info.ini");
        ASSERT_TRUE(QFile::copy(data.filePath(sample), folder.nativeFile("Skins/Roja/info.ini")));
        QFile expected(data.filePath(sample.chopped(4) + QStringLiteral(".txt")));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
        const std::string found = checked();
        EXPECT_EQ(found.empty() ? found : found + '\n', expected.readAll().toStdString());
    }
}

// Each picture the game would leave unloaded or show at another size, and
// names that match only without regard to case.
TEST_F(SkinCheck, NamesMissingUnreadableAndMisSizedPictures)
{
    ASSERT_TRUE(QDir(folder.nativeFile("Skins/Roja")).rename("info.ini", "Info.INI"));
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
    remove("Info.INI");
    EXPECT_EQ(checked().substr(0, 9), "FONDO.GIF");
    EXPECT_NE(checked().find("info.ini: falta el archivo"), std::string::npos);
}

// The weakest patch under the labels counts, not the whole picture's average;
// without a background the labels stand on the window's grey.
TEST_F(SkinCheck, NamesTextColoursThatFadeIntoTheBackgroundUnderTheLabels)
{
    background({0, 300, 320, 108});
    EXPECT_EQ(checked(), "");
    background({206, 128, 15, 17});
    EXPECT_EQ(checked(), blackOnBlack.toStdString());
    remove("fondo.gif");
    EXPECT_EQ(checked(), "fondo.gif: falta el archivo");
    remove("info.ini");
    ASSERT_TRUE(QFile::copy(CHECKER_DATA_DIR "/skins/text-grey-too-light.ini",
                            folder.nativeFile("Skins/Roja/info.ini")));
    EXPECT_NE(checked().find("color medio R 192, V 192, A 192"), std::string::npos);

    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(255, 255, 255), qRgb(0, 0, 0)), 21.0);
    EXPECT_DOUBLE_EQ(checker::contrastRatio(qRgb(10, 200, 30), qRgb(10, 200, 30)), 1.0);
}
