#include "skins/GifImage.h"
#include "support/DataFile.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

constexpr int maxSide = 4096;

// The pixels of a decoded file, row after row, one letter for each of the
// eight colours a pixel's parts round to, as text for a readable failure.
std::string rowsOf(const QByteArray& bytes)
{
    const std::optional<QImage> image = gif::decode(bytes, maxSide);
    if (!image)
        return "refused";
    std::string rows;
    for (int y = 0; y < image->height(); ++y) {
        for (int x = 0; x < image->width(); ++x) {
            const QRgb p = image->pixel(x, y);
            rows +=
                qAlpha(p) == 0
                    ? '.'
                    : "KRGYBMCW"[(qRed(p) > 127) | (qGreen(p) > 127) << 1 | (qBlue(p) > 127) << 2];
        }
        rows += '/';
    }
    return rows;
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

// Each sample of data/gifs.txt decodes as its line says. Would catch rows put
// back in the wrong order, a picture placed off its spot or past its screen's
// edge, a local table ignored, a transparent colour shown, the background
// lost when all 256 colours are taken; a crash or a huge allocation on a
// crafted file, a corrupt one shown as a picture, or a picture cut short
// thrown away whole.
TEST(GifImage, DecodesEachSampleAsItsCaseSays)
{
    int checked = 0;
    for (const QByteArrayList& fields : dataRows("gifs.txt")) {
        const QByteArrayList name = fields[0].split(':');
        const QByteArray bytes = dataFile(name[0]);
        // Sizes to cut the file to, the whole file when none is named.
        const QList<QByteArray> cuts = name.value(1, QByteArray::number(bytes.size())).split('-');
        for (int size = cuts.first().toInt(); size <= cuts.last().toInt(); ++size, ++checked)
            EXPECT_EQ(rowsOf(bytes.first(size)), fields[1].toStdString())
                << name[0].toStdString() << " cut to " << size << " bytes";
    }
    EXPECT_EQ(checked, 60);
}
