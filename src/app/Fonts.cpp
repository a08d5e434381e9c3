#include "app/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>

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

QFont fixedsysFitting(int cells, int width)
{
    const QString sample(qMax(cells, 1), QChar('W'));
    if (QFontMetrics(fixedsys()).horizontalAdvance(sample) <= width)
        return fixedsys();
    // Fixedsys has one size only: a longer phrase takes a scalable fixed-pitch font.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    for (int pixels = 12; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(sample) <= width)
            break;
    }
    return font;
}
