#include "skins/GifImage.h"

#include "support/GifBytes.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

constexpr int maxSide = 4096;

QImage decoded(const QByteArray& bytes)
{
    const std::optional<QImage> image = gif::decode(bytes, maxSide);
    return image ? image->convertToFormat(QImage::Format_ARGB32) : QImage();
}

// The pixels of a picture, row after row, as text for a readable failure.
std::string rowsOf(const QImage& image)
{
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            rows += qAlpha(pixel) == 0 ? '.' : qRed(pixel) ? 'R' : qGreen(pixel) ? 'G' : 'B';
        }
        rows += '/';
    }
    return rows;
}

// In red, green, blue and white, from the screen's colour table.
GifPicture picture(QSize screen, QRect frame, std::vector<std::uint8_t> indexes)
{
    GifPicture made;
    made.screen = screen;
    made.frame = frame;
    made.colours = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    made.indexes = std::move(indexes);
    return made;
}

} // namespace

// Would catch any fault of the LZW decoding (growing codes, a full table, the
// code that names itself), which only real encoders exercise: every shipped
// picture must come out as Qt's own reader gives it, and stay indexed.
TEST(GifImage, ShowsTheShippedPicturesAsQtReadsThem)
{
    int pictures = 0;
    QDirIterator files(QStringLiteral(PALABRINO_SOURCE_DIR "/data/Skins"), {"*.gif"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<QImage> ours = gif::decode(file.readAll(), maxSide);
        ASSERT_TRUE(ours);
        EXPECT_EQ(ours->format(), QImage::Format_Indexed8);
        const QImage qt = QImageReader(path).read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(qt.isNull());
        EXPECT_TRUE(ours->convertToFormat(QImage::Format_ARGB32) == qt);
        ++pictures;
    }
    EXPECT_EQ(pictures, 30);
}

// Would catch rows put back in the wrong order, a picture placed off its
// spot, a local table ignored, or a transparent colour shown.
TEST(GifImage, PlacesEveryRowAndColourWhereTheFileSays)
{
    GifPicture interlaced =
        picture(QSize(1, 10), QRect(0, 0, 1, 10), {0, 1, 2, 0, 1, 2, 0, 1, 2, 0});
    interlaced.interlaced = true;
    EXPECT_EQ(rowsOf(decoded(gifBytes(interlaced))), "R/G/B/R/G/B/R/G/B/R/");

    GifPicture placed = picture(QSize(4, 3), QRect(1, 1, 2, 2), {0, 1, 2, 1});
    placed.localColours = true;
    EXPECT_EQ(rowsOf(decoded(gifBytes(placed))), "..../.RG./.BG./");
    // A picture reaching past its screen is cut at the screen's edge.
    placed.frame = QRect(3, 2, 2, 2);
    EXPECT_EQ(rowsOf(decoded(gifBytes(placed))), "..../..../...R/");

    GifPicture seeThrough = picture(QSize(3, 1), QRect(0, 0, 3, 1), {0, 2, 1});
    seeThrough.transparent = 2;
    EXPECT_EQ(rowsOf(decoded(gifBytes(seeThrough))), "R.G/");
    // All 256 colours taken and none transparent: the screen shows its background.
    GifPicture full = picture(QSize(2, 1), QRect(1, 0, 1, 1), {1});
    full.colours = QList<QRgb>(256, qRgb(0, 255, 0));
    full.colours[0] = qRgb(0, 0, 255);
    EXPECT_EQ(rowsOf(decoded(gifBytes(full))), "BG/");
}

// Would catch a crash or a huge allocation on a crafted file, a corrupt one
// shown as a picture, or a picture cut short thrown away whole.
TEST(GifImage, RefusesWhatItCannotReadAndKeepsWhatCameOfAPictureCutShort)
{
    const GifPicture small = picture(QSize(4, 2), QRect(0, 0, 4, 2), {0, 1, 2, 3, 3, 2, 1, 0});
    const QByteArray whole = gifBytes(small);
    const QByteArray head = gifHead(small);
    ASSERT_FALSE(decoded(whole).isNull());

    for (qsizetype size = 0; size <= head.size(); ++size)
        EXPECT_FALSE(gif::decode(whole.first(size), maxSide)) << "cut after " << size << " bytes";
    // Cut inside the pixels: those that came show, the rest is transparent.
    EXPECT_EQ(rowsOf(decoded(whole.first(head.size() + 4))), "RGB./..../");

    const auto withMinimumCodeSize = [&](char size) {
        QByteArray changed = whole;
        changed[head.size()] = size;
        return changed;
    };
    EXPECT_FALSE(gif::decode(withMinimumCodeSize(1), maxSide));
    EXPECT_FALSE(gif::decode(withMinimumCodeSize(9), maxSide));
    // A first code past the table: clear (8), then 10 in 4 bits.
    EXPECT_FALSE(gif::decode(head + QByteArray("\x03\x01\xA8\0;", 5), maxSide));
    EXPECT_FALSE(gif::decode(QByteArray("GIF89a\x04\0\x02\0\0\0\0;", 14), maxSide));
    EXPECT_FALSE(gif::decode("GIF90a" + whole.sliced(6), maxSide));

    GifPicture huge = small;
    huge.screen = QSize(maxSide + 1, 1);
    EXPECT_FALSE(gif::decode(gifBytes(huge), maxSide));
    huge.screen = QSize(0, 0);
    huge.frame = QRect(0, 0, 4, maxSide + 1);
    EXPECT_FALSE(gif::decode(gifHead(huge) + QByteArray("\x02\x01\x04\0;", 5), maxSide));
}
