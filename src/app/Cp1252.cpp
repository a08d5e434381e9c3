#include "app/Cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// Bytes 0x80 to 0x9F; the five bytes Windows leaves undefined keep their own
// code so that any file survives a read and a write unchanged.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t fromByte(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? highControls[byte - 0x80] : char16_t(byte);
}

char toByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return char(unit);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == unit)
            return char(0x80 + i);
    }
    return '?';
}

char16_t upper(char16_t unit)
{
    if ((unit >= u'a' && unit <= u'z') || (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7))
        return unit - 0x20;
    switch (unit) {
    case 0x0161:
        return 0x0160; // š
    case 0x0153:
        return 0x0152; // œ
    case 0x017E:
        return 0x017D; // ž
    case 0x00FF:
        return 0x0178; // ÿ
    default:
        return unit;
    }
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(fromByte(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond the basic plane is one '?', not one per half.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(toByte(text[i].unicode()));
    }
    return bytes;
}

bool canEncode(QStringView text) { return decode(encode(text)) == text; }

QString toUpper(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(upper(text[i].unicode()));
    return result;
}

} // namespace cp1252
