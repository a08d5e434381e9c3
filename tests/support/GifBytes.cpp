#include "support/GifBytes.h"

#include <QtEndian>

namespace {

QByteArray word(int value)
{
    const quint16 little = qToLittleEndian(static_cast<quint16>(value));
    return QByteArray(reinterpret_cast<const char*>(&little), 2);
}

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

class CodeWriter {
public:
    void put(int code, int width)
    {
        m_bits |= std::uint32_t(code) << m_count;
        for (m_count += width; m_count >= 8; m_count -= 8, m_bits >>= 8)
            m_data += char(m_bits & 0xFF);
    }
    // The codes in sub-blocks of at most 255 bytes, and the empty one.
    QByteArray blocks()
    {
        if (m_count > 0)
            m_data += char(m_bits & 0xFF);
        QByteArray out;
        for (qsizetype at = 0; at < m_data.size(); at += 255) {
            const QByteArray block = m_data.mid(at, 255);
            out += char(block.size()) + block;
        }
        return out + '\0';
    }

private:
    QByteArray m_data;
    std::uint32_t m_bits = 0;
    int m_count = 0;
};

// The frame's rows in the order an interlaced file stores them.
std::vector<int> storedRows(int height, bool interlaced)
{
    std::vector<int> rows;
    for (const auto& [start, step] :
         interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                    : std::vector<std::pair<int, int>>{{0, 1}}) {
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    }
    return rows;
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
    const int width = minimumCodeSize + 1;
    CodeWriter codes;
    int sinceClear = clear - 2;
    for (int row : storedRows(picture.frame.height(), picture.interlaced)) {
        for (int x = 0; x < picture.frame.width(); ++x) {
            if (sinceClear == clear - 2) {
                codes.put(clear, width);
                sinceClear = 0;
            }
            codes.put(picture.indexes[std::size_t(row) * picture.frame.width() + x], width);
            ++sinceClear;
        }
    }
    codes.put(clear + 1, width);
    return gifHead(picture) + char(minimumCodeSize) + codes.blocks() + ';';
}

GifPicture plainGif(int width, int height, std::uint8_t index)
{
    return {QSize(width, height),
            QRect(0, 0, width, height),
            {qRgb(0, 0, 0), qRgb(255, 255, 255)},
            false,
            std::vector<std::uint8_t>(std::size_t(width) * height, index)};
}
