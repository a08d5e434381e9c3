#include "app/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>

namespace {

const char* const wineFontFolder = "/usr/share/wine/fonts/";

void registerWhereMissing(const QString& family, std::initializer_list<const char*> files)
{
    if (QFontDatabase::hasFamily(family))
        return;
    for (const char* file : files)
        QFontDatabase::addApplicationFont(QString::fromLatin1(wineFontFolder) + file);
}

} // namespace

void registerDesignFonts()
{
    registerWhereMissing(QStringLiteral("Tahoma"), {"tahoma.ttf", "tahomabd.ttf"});
    registerWhereMissing(QStringLiteral("Fixedsys"), {"fixedsys.ttf"});
}

QFont tahoma(double pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont fixedsys()
{
    QFont font(QStringLiteral("Fixedsys"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    return font;
}

QFont cellFont(qreal cellWidth, qreal ratio)
{
    if (qFuzzyCompare(ratio, 1.0) && cellWidth >= fixedsysCell.width())
        return fixedsys();
    // Fixedsys is a bitmap of one size, drawn unscaled on a scaled screen: there
    // a scalable face takes over, no larger than its cell, and bold like its
    // strokes unless the cells are too narrow to keep bold letters apart.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(cellWidth >= fixedsysCell.width());
    for (int pixels = fixedsysCell.height(); pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(QChar('W')) <= cellWidth)
            break;
    }
    return font;
}
