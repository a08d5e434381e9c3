#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>

#include <algorithm>

namespace {

const char* const wineFontFolder = "/usr/share/wine/fonts/";

void registerWhereMissing(const QString& family, std::initializer_list<const char*> files)
{
    if (QFontDatabase::hasFamily(family))
        return;
    for (const char* file : files)
        QFontDatabase::addApplicationFont(QString::fromLatin1(wineFontFolder) + file);
}

// The system's fixed-pitch face. Where it is missing (a Windows without Courier
// New) the face standing in for it may be a proportional serif one, whose
// letters leave their cells: then the first scalable fixed-pitch family.
QFont fixedPitchFace()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch())
        return font;
    const QStringList families = QFontDatabase::families();
    const auto found = std::find_if(families.begin(), families.end(), [](const QString& family) {
        return QFontDatabase::isFixedPitch(family) && QFontDatabase::isSmoothlyScalable(family);
    });
    if (found != families.end())
        font.setFamily(*found);
    return font;
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

QFont cellFont(const QFont& wanted, qreal cellWidth, qreal ratio)
{
    // What the system gave for Fixedsys is kept only if it fills the cells as
    // Fixedsys would: a substitute serif face overlaps its neighbours.
    if (qFuzzyCompare(ratio, 1.0) && QFontInfo(wanted).fixedPitch() &&
        QFontMetricsF(wanted).horizontalAdvance(QChar('W')) <= cellWidth)
        return wanted;
    // Fixedsys is a bitmap of one size, drawn unscaled on a scaled screen: there
    // a scalable face takes over, no larger than its cell, and bold like its
    // strokes unless the cells are too narrow to keep bold letters apart.
    QFont font = fixedPitchFace();
    font.setStyleHint(QFont::TypeWriter);
    font.setBold(cellWidth >= fixedsysCell.width());
    for (int pixels = fixedsysCell.height(); pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(QChar('W')) <= cellWidth)
            break;
    }
    return font;
}

void fitCaption(QLabel& label, int rightLimit)
{
    QFont font = label.font();
    const auto needed = [&label, &font] {
        const QFontMetrics metrics(font);
        const QString& caption = label.text();
        return std::max(metrics.horizontalAdvance(caption),
                        metrics.boundingRect(caption).right() + 1);
    };
    if (needed() <= label.width())
        return;
    const int room = rightLimit - label.x();
    while (needed() > room && font.pointSizeF() > 1)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    label.setFont(font);
    label.resize(std::clamp(needed(), label.width(), std::max(room, label.width())),
                 label.height());
}
