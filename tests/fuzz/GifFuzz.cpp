// Any bytes after a GIF signature: decoding never fails and never gives a
// picture beyond the side allowed or outside its 256 indexed colours.
#include "skins/GifImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr int maxSide = 512;
    const QByteArray bytes =
        "GIF89a" + QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QImage> image = gif::decode(bytes, maxSide);
    if (!image)
        return 0;
    if (image->format() != QImage::Format_Indexed8 || image->colorCount() != 256 ||
        image->isNull() || image->width() > maxSide || image->height() > maxSide)
        __builtin_trap();
    return 0;
}
