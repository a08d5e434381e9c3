#include "support/GifBytes.h"

#include <algorithm>

namespace {

QByteArray word(int value) { return QByteArray(1, char(value & 0xFF)) + char(value >> 8); }

// The table's size as the three bits of a GIF flags byte.
int sizeBits(const QList<QRgb>& colours)
{
    int bits = 0;
    while ((2 << bits) < colours.size())
        ++bits;
    return bits;
}

QByteArray colourTable(const QList<QRgb>& colours)
{
    QByteArray table;
    for (QRgb colour : colours)
        table += char(qRed(colour)) + QByteArray(1, char(qGreen(colour))) + char(qBlue(colour));
    return table;
}

} // namespace

QByteArray gifHead(const GifPicture& picture)
{
    const int bits = sizeBits(picture.colours);
    QByteArray head = "GIF89a" + word(picture.screen.width()) + word(picture.screen.height());
    head += char(picture.localColours ? 0 : 0x80 | bits) + QByteArray(2, '\0');
    if (!picture.localColours)
        head += colourTable(picture.colours);
    if (picture.transparent >= 0)
        head += QByteArray("\x21\xF9\x04\x01\0\0", 6) + char(picture.transparent) + '\0';
    head += ',' + word(picture.frame.x()) + word(picture.frame.y()) + word(picture.frame.width()) +
            word(picture.frame.height());
    head += char((picture.localColours ? 0x80 | bits : 0) | (picture.interlaced ? 0x40 : 0));
    if (picture.localColours)
        head += colourTable(picture.colours);
    return head;
}

QByteArray gifBytes(const GifPicture& picture)
{
    const int minimumCodeSize = std::max(2, sizeBits(picture.colours) + 1);
    const int clear = 1 << minimumCodeSize;
    QByteArray data;
    std::uint32_t bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= std::uint32_t(code) << count;
        for (count += minimumCodeSize + 1; count >= 8; count -= 8, bits >>= 8)
            data += char(bits & 0xFF);
    };
    int sinceClear = clear - 2;
    for (const std::uint8_t index : picture.indexes) {
        if (sinceClear == clear - 2) {
            put(clear);
            sinceClear = 0;
        }
        put(index);
        ++sinceClear;
    }
    put(clear + 1);
    if (count > 0)
        data += char(bits & 0xFF);
    // The codes in sub-blocks of at most 255 bytes, and the empty one.
    QByteArray blocks;
    for (qsizetype at = 0; at < data.size(); at += 255)
        blocks += char(data.mid(at, 255).size()) + data.mid(at, 255);
    return gifHead(picture) + char(minimumCodeSize) + blocks + '\0' + ';';
}

GifPicture plainGif(int width, int height, std::uint8_t index)
{
    return {QSize(width, height),
            QRect(0, 0, width, height),
            {qRgb(0, 0, 0), qRgb(255, 255, 255)},
            false,
            std::vector<std::uint8_t>(std::size_t(width) * height, index)};
}
