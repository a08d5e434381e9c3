#include "ui/CellRow.h"
#include "support/DataFile.h"
#include "support/Ink.h"
#include "ui/Fonts.h"

#include <QFontInfo>
#include <QLabel>

#include <gtest/gtest.h>

// When the system has no Fixedsys, the face it gives instead placed the dashes
// below their row of nine pixels, and none was drawn. Whatever the face, each
// character must stand whole inside its row, in its own cell.
TEST(CellRow, DrawsEveryCharacterWholeInsideItsRowWhateverTheFace)
{
    constexpr int cellWidth = 8;
    for (const QByteArrayList& face : dataRows("cell_faces.txt")) {
        SCOPED_TRACE(face.join('|').toStdString());
        QFont font{QString::fromLatin1(face[1])};
        font.setPixelSize(face[2].toInt());
        font.setStretch(face[3].toInt());
        font = face[1] == "Fixedsys" ? fixedsys() : font;
        // A face the system lacks is replaced by one this row was not written for.
        ASSERT_TRUE(QFontInfo(font).family().startsWith(QString::fromLatin1(face[1])))
            << QFontInfo(font).family().toStdString();
        const QString text = QString::fromUtf8(face[5]);
        CellRow row(nullptr, cellWidth * 37);
        row.resize(cellWidth * 37, face[4].toInt());
        row.setFont(font);
        row.setText(text);
        const QImage image = row.grab().toImage();
        const QFont drawn = cellFont(font, cellWidth, 1);
        for (qsizetype i = 0; i < text.size(); ++i) {
            SCOPED_TRACE(i);
            const QImage cell = image.copy(int(i) * cellWidth, 0, cellWidth, face[4].toInt());
            EXPECT_EQ(
                inkedRows(cell, 160),
                text[i] == ' '
                    ? 0
                    : inkedRows(drawnUncut(drawn, text[i], Qt::black, qRgb(255, 255, 255)), 160));
        }
    }
}

// The captions were measured for Tahoma: in a wider face "Puntuación:" lost
// its colon. A caption that fits stays as it is; one that does not first takes
// the free room on its right, and only a face too wide for that gets smaller.
TEST(FitCaption, KeepsTheWholeCaptionInsideTheRoomGiven)
{
    constexpr int width = 65;
    for (const QByteArrayList& face : dataRows("captions.txt")) {
        SCOPED_TRACE(face.join('|').toStdString());
        const int room = face[2].toInt();
        QWidget parent;
        QFont font{QString::fromLatin1(face[0])};
        font.setPointSizeF(face[1].toDouble());
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
