#include "checker/SkinCheck.h"
#include "CheckerTest.h"
#include "checker/CategoryCheck.h"
#include "support/GifBytes.h"

#include <QDir>
#include <QFile>

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
};

} // namespace

// Each sample in data/ beside the findings expected of it: a category checked
// as a file; a skin's info.ini laid in a complete skin, over the sample's
// background when it has one. A finding missed or cried wolf on, a line
// counted wrongly, a rule judged unlike the game, or a text colour that fades
// into the background under the labels (the level 4.5:1 never rounded up to)
// shows as a difference for one sample; a new case is one more pair of files.
TEST_F(SkinCheck, FindsWhatEachSampleExpects)
{
    int samples = 0;
    for (const char* kind : {"categories", "skins"}) {
        const QDir data(QStringLiteral(PALABRINO_TEST_DATA_DIR "/") + kind);
        for (const QString& sample : data.entryList({"*.ini"}, QDir::Files)) {
            SCOPED_TRACE(sample.toStdString());
            QFile text(data.filePath(sample));
            QFile expected(data.filePath(sample.chopped(4) + ".txt"));
            ASSERT_TRUE(text.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
            const QByteArray bytes = text.readAll();
            folder.write("Skins/Roja/info.ini", bytes);
            QFile background(data.filePath(sample.chopped(4) + ".gif"));
            folder.write("Skins/Roja/fondo.gif", background.open(QIODevice::ReadOnly)
                                                     ? background.readAll()
                                                     : pngPicture(Qt::white, {320, 408}));
            const std::string found = data.dirName() == "skins"
                                          ? checked()
                                          : printed(checker::checkCategory(bytes), sample);
            EXPECT_EQ(found, expected.readAll().toStdString());
            ++samples;
        }
    }
    EXPECT_GE(samples, 29);
}

// Each picture the game would leave unloaded or show at another size, names
// that match only without regard to case, and a missing description.
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
    const std::string pictures =
        "FONDO.GIF: mide 320x400 y se diseñó para 320x408\n"
        "0.gif: no se puede leer como dibujo; el juego no lo carga\n"
        "1.gif: mide 300x200 y se diseñó para 320x240\n"
        "2.gif: falta el archivo\n"
        "3.gif: falta el archivo\n"
        "4.gif: no se puede leer como dibujo; el juego no lo carga\n"
        "ganado.gif: mide 4097x10; el juego no carga dibujos de más de 4096x4096\n";
    EXPECT_EQ(checked(), pictures);
    remove("Info.INI");
    EXPECT_EQ(checked(), pictures + "info.ini: falta el archivo\n");
}
