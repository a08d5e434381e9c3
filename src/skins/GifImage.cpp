#include "skins/GifImage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace gif {
namespace {

// The bytes of a file, front to back; past the end there are only zeros.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    std::uint8_t byte() { return atEnd() ? 0 : static_cast<std::uint8_t>(m_bytes[m_at++]); }
    int word()
    {
        const int low = byte();
        return low | byte() << 8;
    }
    // Up to `count` bytes.
    QByteArrayView take(qsizetype count)
    {
        const QByteArrayView taken = m_bytes.sliced(m_at, std::min(count, m_bytes.size() - m_at));
        m_at += taken.size();
        return taken;
    }
    // A chain of sub-blocks, each led by its size, up to the empty one.
    QByteArray blocks()
    {
        QByteArray data;
        while (const std::uint8_t size = byte())
            data.append(take(size));
        return data;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

struct Palette {
    QList<QRgb> colours;
    int background = 0;
    int transparent = -1;
};

// A colour table of 2 << `bits` colours; false when the file ends inside it.
bool readColours(Reader& in, int bits, QList<QRgb>& colours)
{
    const qsizetype count = qsizetype(2) << bits;
    const QByteArrayView rgb = in.take(count * 3);
    if (rgb.size() < count * 3)
        return false;
    colours.clear();
    for (qsizetype n = 0; n < count; ++n) {
        const auto part = [&](int k) { return static_cast<std::uint8_t>(rgb[n * 3 + k]); };
        colours.append(qRgb(part(0), part(1), part(2)));
    }
    return true;
}

// Each LZW code stands for a string of colour indexes: the code of all but
// its last, its last, its first and its length.
struct Code {
    std::uint16_t prefix = 0;
    std::uint8_t last = 0;
    std::uint8_t first = 0;
    std::uint16_t length = 1;
};

// Fills `pixels` from the front; returns how many it filled, or no value for
// a code that no table could hold at that point.
std::optional<qsizetype> decodeLzw(QByteArrayView data, int minimumCodeSize,
                                   std::vector<std::uint8_t>& pixels)
{
    constexpr int maxCodes = 4096;
    std::vector<Code> table(maxCodes);
    const int clear = 1 << minimumCodeSize;
    const int end = clear + 1;
    for (int c = 0; c < clear; ++c)
        table[c] = {0, std::uint8_t(c), std::uint8_t(c), 1};

    int codeSize = minimumCodeSize + 1;
    int next = clear + 2;
    int previous = -1;
    std::uint32_t bits = 0;
    int bitCount = 0;
    qsizetype at = 0;
    qsizetype filled = 0;
    const qsizetype total = static_cast<qsizetype>(pixels.size());
    while (filled < total) {
        while (bitCount < codeSize && at < data.size()) {
            bits |= std::uint32_t(std::uint8_t(data[at++])) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize)
            break;
        const int code = int(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;

        if (code == clear) {
            codeSize = minimumCodeSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end)
            break;
        if (previous < 0) {
            if (code > clear)
                return std::nullopt;
        } else if (code <= next && next < maxCodes) {
            // A code one past the table names the previous string plus its own first.
            const Code& source = code < next ? table[code] : table[previous];
            table[next] = {std::uint16_t(previous), source.first, table[previous].first,
                           std::uint16_t(table[previous].length + 1)};
            ++next;
        } else if (code >= next) {
            return std::nullopt;
        }

        // Written from its last index back; indexes past the picture are dropped.
        int c = code;
        for (qsizetype p = filled + table[code].length - 1; p >= filled; --p) {
            if (p < total)
                pixels[p] = table[c].last;
            c = table[c].prefix;
        }
        filled = std::min(total, filled + table[code].length);
        if (next == (1 << codeSize) && codeSize < 12)
            ++codeSize;
        previous = code;
    }
    return filled;
}

// The picture row each decoded row belongs to.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(height);
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
        for (int y = start; y < height; y += step)
            rows.push_back(y);
    }
    return rows;
}

std::optional<QImage> readPicture(Reader& in, QSize screen, Palette palette, int maxSide)
{
    const int left = in.word();
    const int top = in.word();
    const int width = in.word();
    const int height = in.word();
    const std::uint8_t flags = in.byte();
    if ((flags & 0x80) && !readColours(in, flags & 7, palette.colours))
        return std::nullopt;
    const int minimumCodeSize = in.byte();
    if (in.atEnd() || minimumCodeSize < 2 || minimumCodeSize > 8)
        return std::nullopt;
    // A screen of no size takes the picture's.
    if (screen.isEmpty())
        screen = QSize(left + width, top + height);
    if (screen.width() > maxSide || screen.height() > maxSide || width > maxSide ||
        height > maxSide || screen.isEmpty())
        return std::nullopt;

    // What no pixel of the picture covers stays transparent, in an extra
    // colour when the picture has none of its own.
    int uncovered = palette.transparent;
    if (uncovered < 0)
        uncovered = palette.colours.size() < 256 ? int(palette.colours.size()) : palette.background;
    std::vector<std::uint8_t> pixels(std::size_t(width) * std::size_t(height),
                                     std::uint8_t(uncovered));
    const std::optional<qsizetype> filled = decodeLzw(in.blocks(), minimumCodeSize, pixels);
    if (!filled)
        return std::nullopt;

    QImage image(screen, QImage::Format_Indexed8);
    if (image.isNull())
        return std::nullopt;
    const bool covered = *filled == qsizetype(pixels.size()) && left == 0 && top == 0 &&
                         width >= screen.width() && height >= screen.height();
    QList<QRgb> colours = palette.colours;
    colours.resize(256, qRgb(0, 0, 0));
    if (palette.transparent >= 0)
        colours[palette.transparent] &= RGB_MASK;
    else if (!covered && uncovered == palette.colours.size())
        colours[uncovered] = qRgba(0, 0, 0, 0);
    image.setColorTable(colours);
    image.fill(uncovered);

    const std::vector<int> rows = rowOrder(height, flags & 0x40);
    const int from = std::max(0, -left);
    const int to = std::min(width, screen.width() - left);
    for (int r = 0; r < height && from < to; ++r) {
        const int y = top + rows[r];
        if (y < screen.height())
            std::copy_n(pixels.data() + std::size_t(r) * width + from, to - from,
                        image.scanLine(y) + left + from);
    }
    return image;
}

} // namespace

bool isGif(QByteArrayView bytes)
{
    return bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
}

std::optional<QImage> decode(QByteArrayView bytes, int maxSide)
{
    if (!isGif(bytes))
        return std::nullopt;
    Reader in(bytes.sliced(6));
    const int screenWidth = in.word();
    const int screenHeight = in.word();
    const std::uint8_t flags = in.byte();
    Palette palette;
    palette.background = in.byte();
    in.byte(); // the pixel aspect ratio, which nobody honours
    if (in.atEnd() || ((flags & 0x80) && !readColours(in, flags & 7, palette.colours)))
        return std::nullopt;
    // Without any colour table the indexes are shades of grey.
    for (int n = 0; palette.colours.isEmpty() && n < 256; ++n)
        palette.colours.append(qRgb(n, n, n));

    while (!in.atEnd()) {
        switch (in.byte()) {
        case '!': {
            const std::uint8_t label = in.byte();
            const QByteArray data = in.blocks();
            // The graphic control extension names the transparent colour.
            if (label == 0xF9 && data.size() >= 4)
                palette.transparent = (data[0] & 1) ? std::uint8_t(data[3]) : -1;
            break;
        }
        case ',':
            return readPicture(in, QSize(screenWidth, screenHeight), palette, maxSide);
        default: // the trailer, or anything else, before any picture
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace gif
