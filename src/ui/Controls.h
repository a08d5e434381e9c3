#pragma once

#include "app/AppPath.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// Small controls that Qt has no widget for: lines, shapes, keys and pictures.

// Gives one role of the widget's palette a new colour.
void setColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour);

// A label at `pixels` whose text, read from an author's or the game's file,
// is shown as stored, never as markup.
QLabel* plainTextLabel(QWidget* parent, const char* name, const char* caption, const QRect& pixels);

// A one-pixel line between two points given in twips of the parent's client area.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, int x1, int y1, int x2, int y2);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A key of the on-screen keyboard. Its caption is centred by its ink, not by
// the font's box, so that every caption stands whole on the small key: the
// tilde of Ñ rises above the font's ascent and was cut off.
class KeyButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A filled rectangle with a border of the same colour.
class ShapeControl : public QWidget {
public:
    ShapeControl(QWidget* parent, const QRect& pixels, const QColor& fill);
};

// A picture holder. A stretched one scales its picture to its own size; one
// that is not stretched takes the size of the picture put into it. The picture
// becomes a screen pixmap only when first painted: most holders stay hidden.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    ImageControl(QWidget* parent, const QRect& pixels, bool stretch);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    // A picture file that cannot be read leaves the holder with what it had.
    void loadPicture(const ProgramPath& file);

signals:
    void clicked();
    void mousePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_stretch;
    QImage m_picture;
    QPixmap m_shown;
};

// The client area of a window, with an optional picture drawn unscaled from
// its top-left corner behind every control.
class ClientArea : public QWidget {
public:
    using QWidget::QWidget;

    const QImage& background() const { return m_background; }
    void setBackground(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_background;
    QPixmap m_shown;
};
