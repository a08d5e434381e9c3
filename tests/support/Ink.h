#pragma once

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <QtMath>

#include <utility>
#include <vector>

// Runs of columns (or, along Qt::Vertical, of rows) of an image that hold a
// pixel darker than `darkBelow`: first and last, in device pixels.
using Ink = std::pair<int, int>;

inline std::vector<Ink> inkRuns(QImage image, Qt::Orientation along, int darkBelow)
{
    if (along == Qt::Vertical) // rows become columns
        image = image.transformed(QTransform(0, 1, 1, 0, 0, 0));
    std::vector<Ink> runs;
    for (int x = 0; x < image.width(); ++x) {
        int y = 0;
        while (y < image.height() && qGray(image.pixel(x, y)) >= darkBelow)
            ++y;
        if (y < image.height() && !runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else if (y < image.height())
            runs.push_back({x, x});
    }
    return runs;
}

// The rows that hold ink, the gaps between them left out.
inline int inkedRows(const QImage& image, int darkBelow)
{
    int rows = 0;
    for (const auto& [first, last] : inkRuns(image, Qt::Vertical, darkBelow))
        rows += last - first + 1;
    return rows;
}

// `text` drawn where nothing can cut it off, `ratio` device pixels to a pixel.
inline QImage drawnUncut(const QFont& font, const QString& text, const QColor& pen, QRgb background,
                         qreal ratio = 1)
{
    const QFontMetricsF metrics(font);
    const qreal margin = metrics.height();
    QImage image(QSize(qCeil(metrics.horizontalAdvance(text) + 2 * margin), qCeil(3 * margin)) *
                     ratio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(QPointF(margin, margin + metrics.ascent()), text);
    painter.end();
    return image;
}
