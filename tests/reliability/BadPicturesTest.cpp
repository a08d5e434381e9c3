#include "app/Controls.h"
#include "support/GameFixture.h"
#include "support/GifBytes.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

// AddressSanitizer keeps freed memory in quarantine, so there the peak says
// nothing about one picture's decoding.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PALABRINO_ASAN
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(PALABRINO_ASAN)
constexpr bool peakMeansDecoding = false;
#else
constexpr bool peakMeansDecoding = true;
#endif

long peakMemoryKb()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

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

// Would catch a crash, a hang or a huge allocation on a spoilt picture, a
// picture refused only after decoding, and a bad picture of a new skin that
// blanks the one the holder had.
TEST(BadPictures, AreRefusedCheaplyAndKeepThePreviousOnes)
{
    const QByteArray whole = gifBytes(plainGif(300, 100, 1));
    GifPicture huge = plainGif(1, 1, 1);
    huge.screen = QSize(5000, 5000);
    huge.frame = QRect(0, 0, 5000, 5000);
    const struct {
        const char* name;
        QByteArray bytes;
        QRgb firstPixel; // 0 for a picture that is refused
    } spoilt[] = {
        // Cut in its pixels, a GIF still shows the part that came.
        {"a GIF cut in its pixels", whole.first(whole.size() / 2), qRgb(255, 255, 255)},
        // Small enough for the decoder to take on: 100 MB if it kept it. Its
        // first code lies past the table.
        {"a GIF claiming 5000 by 5000", gifHead(huge) + '\x02' + QByteArray(4000, '\xFF'), 0},
        {"zero bytes", QByteArray(), 0},
    };
    const long peakBefore = peakMemoryKb();

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
    if (peakMeansDecoding) {
        EXPECT_LT(peakMemoryKb() - peakBefore, 64 * 1024);
    }
}
