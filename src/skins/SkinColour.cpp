#include "skins/SkinColour.h"

#include "app/Numbers.h"
#include "skins/Colors.h"

#include <algorithm>

namespace skins {

std::optional<int> colourPart(const QString& text)
{
    const std::optional<double> number = numberFromText(text);
    if (!number)
        return std::nullopt;
    const std::optional<std::int16_t> part = toInteger16(*number);
    if (!part)
        return std::nullopt;
    return std::clamp<int>(*part, 0, 255);
}

std::optional<QRgb> textColour(const QString& red, const QString& green, const QString& blue)
{
    const std::optional<int> r = colourPart(red);
    const std::optional<int> g = colourPart(green);
    const std::optional<int> b = colourPart(blue);
    if (!r || !g || !b)
        return std::nullopt;
    return fromBgr(static_cast<std::uint32_t>(*r + 256 * *g + 65536 * *b));
}

} // namespace skins
