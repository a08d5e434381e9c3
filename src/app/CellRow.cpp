#include "app/CellRow.h"

#include "app/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Whole device pixels keep every glyph and cell edge crisp.
qreal onDevicePixel(qreal logical, qreal ratio) { return std::floor(logical * ratio) / ratio; }

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
    const QFont font = cellFont(cellWidth, ratio);
    const QFontMetricsF metrics(font, this);
    const qreal inset =
        onDevicePixel((cellWidth - metrics.horizontalAdvance(QChar('W'))) / 2, ratio);
    const qreal baseline =
        onDevicePixel((fixedsysCell.height() - metrics.height()) / 2 + metrics.ascent(), ratio);

    QPainter painter(this);
    painter.setFont(font);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const qreal left = onDevicePixel(qreal(i) * cellWidth, ratio);
        painter.drawText(QPointF(left + inset, baseline), QString(m_text[i]));
    }
}
