#include "skins/GifImage.h"

#include "support/GifBytes.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

constexpr int maxSide = 4096;

// The pixels of a decoded file, row after row, as text for a readable failure.
std::string rowsOf(const QByteArray& bytes)
{
    const std::optional<QImage> image = gif::decode(bytes, maxSide);
    std::string rows;
    for (int y = 0; image && y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
            const QRgb pixel = image->pixel(x, y);
            rows += qAlpha(pixel) == 0 ? '.' : qRed(pixel) ? 'R' : qGreen(pixel) ? 'G' : 'B';
        }
        rows += '/';
    }
    return rows + ' ';
}

std::string rowsOf(const GifPicture& picture) { return rowsOf(gifBytes(picture)); }

// In red, green, blue and white, from the screen's colour table.
GifPicture picture(QSize screen, QRect frame, std::vector<std::uint8_t> indexes)
{
    return {screen,
            frame,
            {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
            false,
            std::move(indexes)};
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
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<QImage> ours = gif::decode(file.readAll(), maxSide);
        ASSERT_TRUE(ours && ours->format() == QImage::Format_Indexed8) << path.toStdString();
        EXPECT_TRUE(ours->convertToFormat(QImage::Format_ARGB32) ==
                    QImageReader(path).read().convertToFormat(QImage::Format_ARGB32))
            << path.toStdString();
        ++pictures;
    }
    EXPECT_EQ(pictures, 30);
}

// Would catch rows put back in the wrong order, a picture placed off its
// spot or past its screen's edge, a local table ignored, or a transparent
// colour shown; with all 256 colours taken and none transparent, the screen
// shows its background.
TEST(GifImage, PlacesEveryRowAndColourWhereTheFileSays)
{
    // Rows 0, 8, 4, 2, 6, 1, 3, 5, 7, 9 of R/G/B/R/G/B/R/G/B/R.
    GifPicture interlaced = picture({1, 10}, {0, 0, 1, 10}, {0, 2, 1, 2, 0, 1, 0, 2, 1, 0});
    interlaced.interlaced = true;
    GifPicture placed = picture({4, 3}, {1, 1, 2, 2}, {0, 1, 2, 1});
    placed.localColours = true;
    GifPicture cut = placed;
    cut.frame = QRect(3, 2, 2, 2);
    GifPicture seeThrough = picture({3, 1}, {0, 0, 3, 1}, {0, 2, 1});
    seeThrough.transparent = 2;
    GifPicture full = picture({2, 1}, {1, 0, 1, 1}, {1});
    full.colours = QList<QRgb>(256, qRgb(0, 255, 0));
    full.colours[0] = qRgb(0, 0, 255);
    EXPECT_EQ(rowsOf(interlaced) + rowsOf(placed) + rowsOf(cut) + rowsOf(seeThrough) + rowsOf(full),
              "R/G/B/R/G/B/R/G/B/R/ ..../.RG./.BG./ ..../..../...R/ R.G/ BG/ ");
}

// Would catch a crash or a huge allocation on a crafted file, a corrupt one
// shown as a picture, or a picture cut short thrown away whole.
TEST(GifImage, RefusesWhatItCannotReadAndKeepsWhatCameOfAPictureCutShort)
{
    const GifPicture small = picture({4, 2}, {0, 0, 4, 2}, {0, 1, 2, 3, 3, 2, 1, 0});
    const QByteArray whole = gifBytes(small);
    const QByteArray head = gifHead(small);
    for (qsizetype size = 0; size <= head.size(); ++size)
        EXPECT_FALSE(gif::decode(whole.first(size), maxSide)) << "cut after " << size << " bytes";
    // Cut inside the pixels: those that came show, the rest is transparent.
    EXPECT_EQ(rowsOf(whole.first(head.size() + 4)), "RGB./..../ ");

    GifPicture huge = small;
    huge.screen = QSize(maxSide + 1, 1);
    GifPicture tall = small;
    tall.screen = QSize(0, 0);
    tall.frame = QRect(0, 0, 4, maxSide + 1);
    const QByteArray refused[] = {
        head + '\x01' + whole.sliced(head.size() + 1), // minimum code size 1
        head + '\x09' + whole.sliced(head.size() + 1), // and 9
        head + QByteArray("\x03\x01\xA8\0;", 5),       // clear (8), then 10 in 4 bits
        QByteArray("GIF89a\x04\0\x02\0\0\0\0;", 14),   // no picture at all
        "GIF90a" + whole.sliced(6),
        gifBytes(huge),
        gifHead(tall) + QByteArray("\x02\x01\x04\0;", 5),
    };
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(gif::decode(bytes, maxSide)) << bytes.toHex().toStdString();
}
