#include "app/Controls.h"
#include "support/GameFixture.h"
#include "support/GifBytes.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The first pixel of the six gallows, the one shown and the three results
// (0 where there is no picture).
QList<QRgb> holders(Form1& form)
{
    const Form2& result = form.form2.get();
    QList<QRgb> found;
    std::vector<const ImageControl*> all(form.I.begin(), form.I.end());
    all.insert(all.end(), {form.Image1, result.Pun, result.Gan, result.Per});
    for (const ImageControl* holder : all)
        found << (holder->picture().isNull() ? 0 : holder->picture().pixel(0, 0));
    return found;
}

// "E" at no points shows the no-points picture, "Resolver" the won one, each
// in a result window that loads its pictures itself.
void playToTheEnd(Form1& form, FakePlatform& platform)
{
    form.Command3('E').click();
    form.form2.close();
    platform.answers.push_back(form.palabra());
    form.Command4->click();
    EXPECT_TRUE(form.terminada());
    form.close();
}

} // namespace

// Would catch a crash on a spoilt picture, a picture past the size limit
// taken (a huge allocation on a crafted file), a picture cut short thrown
// away, and a bad picture of a new skin that blanks the one the holder had.
TEST(BadPictures, AreRefusedAndKeepThePreviousOnes)
{
    const QByteArray whole = gifBytes(plainGif(300, 100, 1));
    const struct {
        const char* name;
        QByteArray bytes;
        QRgb firstPixel; // 0 for a picture that is refused
    } spoilt[] = {
        // Cut in its pixels, a GIF still shows the part that came.
        {"a GIF cut in its pixels", whole.first(whole.size() / 2), qRgb(255, 255, 255)},
        {"a GIF wider than the game takes", gifBytes(plainGif(5000, 1, 1)), 0},
        {"zero bytes", QByteArray(), 0},
    };

    for (const auto& picture : spoilt) {
        SCOPED_TRACE(picture.name);
        TempAppFolder folder;
        layShippedFolder(folder);
        FakePlatform platform;
        Form1 form(folder.path(), platform);
        const QList<QRgb> previous = holders(form);
        for (const char* name :
             {"fondo", "0", "1", "2", "3", "4", "5", "nopuntos", "ganado", "perdido"})
            folder.write(QStringLiteral("Skins/Mala/%1.gif").arg(name), picture.bytes);
        folder.write("datos.ini", iniText({"[Config]", "Categoria=Prueba", "Skin=Mala"}));
        form.CargarSkin();
        form.Imagen();
        const QList<QRgb> loaded(10, picture.firstPixel);
        EXPECT_EQ(holders(form), picture.firstPixel ? loaded : previous);
        playToTheEnd(form, platform);

        Form1 firstLoad(folder.path(), platform);
        EXPECT_EQ(holders(firstLoad), loaded);
        playToTheEnd(firstLoad, platform);
    }
}
