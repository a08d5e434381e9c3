#include "ui/CellRow.h"

#include "ui/Fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Whole device pixels keep every glyph and cell edge crisp.
qreal onDevicePixel(qreal logical, qreal ratio) { return std::floor(logical * ratio) / ratio; }

// The first and last logical rows that `text` inks, relative to its baseline,
// leaving out faint edges of smoothing. Measured on the drawing itself: bitmap
// faces report their whole cell as the glyphs' bounds.
std::pair<qreal, qreal> inkRows(const QFont& font, const QString& text, qreal ratio)
{
    const QFontMetricsF metrics(font);
    const qreal margin = metrics.height();
    QImage image(QSize(qCeil(metrics.horizontalAdvance(text) + 2 * margin),
                       qCeil(metrics.height() + 2 * margin)) *
                     ratio,
                 QImage::Format_Alpha8);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // On a whole device pixel, as the row will draw it.
    const qreal baseline = std::ceil((margin + metrics.ascent()) * ratio) / ratio;
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(QPointF(margin, baseline), text);
    }
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        if (std::any_of(row, row + image.width(), [](uchar alpha) { return alpha >= 64; })) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    if (first < 0)
        return {0, 0};
    return {first / ratio - baseline, (last + 1) / ratio - baseline};
}

} // namespace

CellRow::CellRow(QWidget* parent, int lineWidth) : QWidget(parent), m_lineWidth(lineWidth) {}

void CellRow::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
    emit textChanged(m_text);
}

void CellRow::paintEvent(QPaintEvent*)
{
    if (m_text.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const qreal cellWidth =
        std::min<qreal>(fixedsysCell.width(), qreal(m_lineWidth) / qreal(m_text.size()));
    const QFont font = cellFont(this->font(), cellWidth, ratio);
    const QFontMetricsF metrics(font, this);
    // Where a Fixedsys cell drawn from the row's top puts it, unless another
    // face's ink would leave the row there: the dash row is lower than a cell.
    const auto [inkTop, inkBottom] = inkRows(font, m_text, ratio);
    const qreal designed =
        onDevicePixel((fixedsysCell.height() - metrics.height()) / 2 + metrics.ascent(), ratio);
    const qreal baseline = std::max(std::min(designed, height() - inkBottom), -inkTop);

    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QString character(m_text[i]);
        // Centred one by one, so that a face of varying widths still keeps to its cells.
        const qreal inset =
            onDevicePixel((cellWidth - metrics.horizontalAdvance(character)) / 2, ratio);
        const qreal left = onDevicePixel(qreal(i) * cellWidth, ratio);
        // A sixteenth of a device pixel to the right: a whole device pixel
        // given in logical pixels can land a hair short of it, and an engine
        // that snaps glyphs down (GDI's) then drew the letter a pixel into
        // the cell on its left.
        painter.drawText(QPointF(left + inset + 1.0 / 16 / ratio, baseline), character);
    }
}
