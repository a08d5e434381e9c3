#include "skins/Picture.h"

#include "skins/GifImage.h"

#include <QBuffer>
#include <QImageReader>

namespace skins {

QSize claimedSize(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    return QImageReader(&buffer).size();
}

std::optional<QImage> pictureFrom(QByteArray bytes)
{
    if (bytes.size() > maxPictureBytes)
        return std::nullopt;
    if (gif::isGif(bytes))
        return gif::decode(bytes, maxPictureSide);
    const QSize size = claimedSize(bytes);
    if (!size.isValid() || size.width() > maxPictureSide || size.height() > maxPictureSide)
        return std::nullopt;
    QBuffer buffer(&bytes);
    QImage image;
    if (!QImageReader(&buffer).read(&image))
        return std::nullopt;
    return image;
}

} // namespace skins
