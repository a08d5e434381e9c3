#include "ui/CellRow.h"
#include "ui/Fonts.h"

#include <QImage>
#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// The number of rows that hold ink in an image.
int inkedRows(const QImage& image)
{
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = 0; x < image.width() && !inked; ++x)
            inked = qGray(image.pixel(x, y)) < 160;
        rows += inked;
    }
    return rows;
}

// The same text drawn where nothing can cut it off.
int inkedRowsUncut(const QFont& font, const QString& text)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 60), text);
    painter.end();
    return inkedRows(image);
}

QFont sized(const char* family, int pixels, int stretch = QFont::Unstretched)
{
    QFont font{QString::fromLatin1(family)};
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    return font;
}

} // namespace

// When the system has no Fixedsys, the face it gives instead placed the dashes
// below their row of nine pixels, and none was drawn. Whatever the face, each
// character must stand whole inside its row, in its own cell.
TEST(CellRow, DrawsEveryCharacterWholeInsideItsRowWhateverTheFace)
{
    const QString dashes = QStringLiteral("-- ---");
    const QString letters = QString::fromUtf8("HOLA Ñ");
    struct Case {
        const char* face;
        QFont font;
        int height;
        QString text;
    };
    const Case cases[] = {
        {"Fixedsys", fixedsys(), 9, dashes},
        {"Fixedsys", fixedsys(), 15, letters},
        {"a serif face", sized("DejaVu Serif", 16), 9, dashes},
        {"a serif face", sized("DejaVu Serif", 16), 15, letters},
        {"a tall fixed-pitch face", sized("DejaVu Sans Mono", 16, 60), 15, letters},
        {"a tall narrow serif face", sized("Nimbus Mono PS", 18, 70), 15, letters},
        {"a very tall narrow face", sized("DejaVu Sans Mono", 30, 40), 9, dashes},
        {"a tiny face", sized("DejaVu Sans", 6), 9, dashes},
        {"a tiny face", sized("DejaVu Sans", 6), 15, letters},
    };
    constexpr int cellWidth = 8;
    for (const auto& [face, font, height, text] : cases) {
        SCOPED_TRACE(std::string(face) + " in a row of " + std::to_string(height));
        CellRow row(nullptr, cellWidth * 37);
        row.resize(cellWidth * 37, height);
        row.setFont(font);
        row.setText(text);
        const QImage image = row.grab().toImage();
        const QFont drawn = cellFont(font, cellWidth, 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            SCOPED_TRACE(i);
            const QImage cell = image.copy(int(i) * cellWidth, 0, cellWidth, height);
            EXPECT_EQ(inkedRows(cell), text[i] == ' ' ? 0 : inkedRowsUncut(drawn, text[i]));
        }
    }
}

// The captions were measured for Tahoma: in a wider face "Puntuación:" lost
// its colon. A caption that fits stays as it is; one that does not first takes
// the free room on its right, and only a face too wide for that gets smaller.
TEST(FitCaption, KeepsTheWholeCaptionInsideTheRoomGiven)
{
    struct Case {
        const char* family;
        double points;
        int room;
    };
    const Case cases[] = {
        {"Tahoma", 8.25, 72},      // the design face
        {"DejaVu Sans", 6, 72},    // narrower
        {"DejaVu Sans", 8.25, 72}, // wider
        {"DejaVu Serif", 14, 72},  // far wider
        {"DejaVu Sans", 8.25, 65}, // wider, with no room to grow
    };
    constexpr int width = 65;
    for (const auto& [family, points, room] : cases) {
        SCOPED_TRACE(std::string(family) + " " + std::to_string(points) + " in " +
                     std::to_string(room));
        QWidget parent;
        QFont font{QString::fromLatin1(family)};
        font.setPointSizeF(points);
        font.setBold(true);
        QLabel label(QString::fromUtf8("Puntuación:"), &parent);
        label.setGeometry(8, 104, width, 17);
        label.setFont(font);
        const int needed = QFontMetrics(font).horizontalAdvance(label.text());

        fitCaption(label, 8 + room);

        EXPECT_EQ(label.font() == font, needed <= room);
        if (needed <= room)
            EXPECT_EQ(label.width(), std::max(needed, width));
        else
            EXPECT_LE(label.width(), room);
        EXPECT_EQ(label.pos(), QPoint(8, 104));
        EXPECT_EQ(label.height(), 17);
        const QFontMetrics metrics(label.font());
        EXPECT_LE(metrics.horizontalAdvance(label.text()), label.width());
        EXPECT_LE(metrics.boundingRect(label.text()).right(), label.width() - 1);
    }
}
