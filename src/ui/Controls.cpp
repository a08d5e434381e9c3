#include "ui/Controls.h"

#include "skins/Colors.h"
#include "skins/SkinFiles.h"
#include "ui/WindowTwips.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

// A picture becomes a screen pixmap when it is first painted, and stays one.
const QPixmap& onScreen(const QImage& picture, QPixmap& converted)
{
    if (converted.isNull())
        converted = QPixmap::fromImage(picture);
    return converted;
}

} // namespace

void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QLabel* plainTextLabel(QWidget* parent, const char* name, const char* caption, const QRect& pixels)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(pixels);
    label->setTextFormat(Qt::PlainText);
    return label;
}

LineControl::LineControl(QWidget* parent, int x1, int y1, int x2, int y2) : QWidget(parent)
{
    const int left = twips::toPixels(std::min(x1, x2));
    const int top = twips::toPixels(std::min(y1, y2));
    const int right = twips::toPixels(std::max(x1, x2));
    const int bottom = twips::toPixels(std::max(y1, y2));
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

void KeyButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRectF ink = QFontMetricsF(font()).tightBoundingRect(text());
    const QPointF baseline((width() - ink.width()) / 2 - ink.left(),
                           (height() - ink.height()) / 2 - ink.top());
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(baseline, text());
}

ShapeControl::ShapeControl(QWidget* parent, const QRect& pixels, const QColor& fill)
    : QWidget(parent)
{
    setGeometry(pixels);
    setColour(*this, QPalette::Window, fill);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

ImageControl::ImageControl(QWidget* parent, const QRect& pixels, bool stretch)
    : QLabel(parent), m_stretch(stretch)
{
    setGeometry(pixels);
}

void ImageControl::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_shown = QPixmap();
    if (!m_stretch && !picture.isNull())
        resize(picture.deviceIndependentSize().toSize());
    update();
}

void ImageControl::loadPicture(const ProgramPath& file)
{
    if (const std::optional<QImage> loaded = skins::loadPicture(file))
        setPicture(*loaded);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (!m_stretch) {
        painter.drawPixmap(0, 0, onScreen(m_picture, m_shown));
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), onScreen(m_picture, m_shown));
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mousePressed();
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClientArea::setBackground(const QImage& picture)
{
    m_background = picture;
    m_shown = QPixmap();
    update();
}

void ClientArea::paintEvent(QPaintEvent*)
{
    if (!m_background.isNull())
        QPainter(this).drawPixmap(0, 0, onScreen(m_background, m_shown));
}
