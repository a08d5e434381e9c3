#include "app/Controls.h"
#include "app/Form1.h"
#include "reliability/BadFolder.h"
#include "skins/Form2.h"
#include "support/FakePlatform.h"
#include "support/GifBytes.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <array>

namespace {

// A white screen's head, up to its LZW data.
QByteArray gifHeader(int width, int height)
{
    GifPicture picture = plainGif(1, 1, 1);
    picture.screen = QSize(width, height);
    picture.frame = QRect(0, 0, width, height);
    return gifHead(picture);
}

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

QRgb colourOf(const QImage& picture) { return picture.isNull() ? 0 : picture.pixel(0, 0); }

// The six gallows, the one shown and the three results.
using Holders = std::array<QRgb, 10>;

Holders holders(Form1& form)
{
    const Form2& result = form.form2.get();
    Holders found{};
    for (int n = 0; n < 6; ++n)
        found[n] = colourOf(form.I[n]->picture());
    found[6] = colourOf(form.Image1->picture());
    found[7] = colourOf(result.Pun->picture());
    found[8] = colourOf(result.Gan->picture());
    found[9] = colourOf(result.Per->picture());
    return found;
}

Holders all(QRgb colour)
{
    Holders same;
    same.fill(colour);
    return same;
}

void spoilSkin(const TempAppFolder& folder, const QByteArray& picture)
{
    for (const char* name :
         {"fondo", "0", "1", "2", "3", "4", "5", "nopuntos", "ganado", "perdido"})
        folder.write(QStringLiteral("Skins/Mala/%1.gif").arg(QLatin1String(name)), picture);
    folder.write("datos.ini", iniText({"[Config]", "Categoria=Prueba", "Skin=Mala"}));
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
    // Cut in its pixels, a GIF still shows the part that came; cut in its
    // header, it is no picture.
    const QRgb white = qRgb(255, 255, 255);
    ASSERT_EQ(QImage::fromData(whole).pixel(299, 99), white);
    const struct {
        const char* name;
        QByteArray bytes;
        QRgb firstPixel; // 0 for a picture that is refused
    } spoilt[] = {
        {"a GIF cut in its pixels", whole.first(whole.size() / 2), white},
        {"random bytes after a GIF header", gifHeader(300, 100) + randomBytes(4000, 5), 0},
        {"a GIF claiming 30000 by 30000", gifHeader(30000, 30000) + '\x02' + randomBytes(4000, 5),
         0},
        // Small enough for the decoder to take on: 100 MB if it did.
        {"a GIF claiming 5000 by 5000", gifHeader(5000, 5000) + '\x02' + randomBytes(4000, 5), 0},
        {"zero bytes", QByteArray(), 0},
    };
    const long peakBefore = peakMemoryKb();

    for (const auto& picture : spoilt) {
        SCOPED_TRACE(picture.name);
        TempAppFolder folder;
        layShippedFolder(folder);
        FakePlatform platform;
        Form1 form(folder.path(), platform);
        const Holders previous = holders(form);
        spoilSkin(folder, picture.bytes);
        form.CargarSkin();
        form.Imagen();
        EXPECT_EQ(holders(form), picture.firstPixel ? all(picture.firstPixel) : previous);
        playToTheEnd(form, platform);

        Form1 firstLoad(folder.path(), platform);
        EXPECT_EQ(holders(firstLoad), all(picture.firstPixel));
        playToTheEnd(firstLoad, platform);
    }
    if (peakMeansDecoding) {
        EXPECT_LT(peakMemoryKb() - peakBefore, 64 * 1024);
    }

    // A picture in another format under a ".gif" name is a picture all the same.
    TempAppFolder folder;
    layShippedFolder(folder);
    FakePlatform platform;
    Form1 form(folder.path(), platform);
    spoilSkin(folder, pngPicture(Qt::green));
    form.CargarSkin();
    form.Imagen();
    EXPECT_EQ(holders(form), all(QColor(Qt::green).rgb()));
}
