#include "checker/SkinCheck.h"

#include "app/AppPath.h"
#include "app/Description.h"
#include "app/MainLayout.h"
#include "app/SafeFile.h"
#include "checker/Contrast.h"
#include "checker/IniScan.h"
#include "skins/Colors.h"
#include "skins/Picture.h"
#include "skins/SkinNames.h"

#include <QFileInfo>
#include <QPainter>

#include <cmath>
#include <optional>

namespace checker {
namespace {

using mainlayout::clientSize;
using mainlayout::gallowsSize;
using mainlayout::resultSize;
constexpr int cellWidth = 16;

struct Located {
    QString name; // as the folder spells it, or as asked for when missing
    safefile::Contents contents;
};

// File names in a skin match without regard to case.
Located locate(const ProgramPath& programPath, qint64 maxBytes)
{
    const std::optional<QString> path = nativePath(programPath);
    if (!path)
        return {programPath.relative.section(u'\\', -1), {}};
    return {QFileInfo(*path).fileName(), safefile::read(*path, maxBytes)};
}

QString sizeText(QSize size)
{
    return QStringLiteral("%1x%2").arg(QString::number(size.width()),
                                       QString::number(size.height()));
}

QString ratioText(double ratio)
{
    // Rounded down, so that a shortfall never reads as the level itself.
    return QString::number(std::floor(ratio * 10) / 10, 'f', 1).replace(u'.', u',');
}

QString rgbText(QRgb colour)
{
    return QStringLiteral("R %1, V %2, A %3")
        .arg(QString::number(qRed(colour)), QString::number(qGreen(colour)),
             QString::number(qBlue(colour)));
}

class SkinCheck {
public:
    explicit SkinCheck(const QString& folder) : m_folder{folder, {}} {}

    Findings run()
    {
        const std::optional<QImage> background = picture(skins::pictures::background, clientSize);
        for (int n = 0; n < skins::pictures::gallowsStages; ++n)
            picture(skins::pictures::gallows(n), gallowsSize);
        for (const QLatin1String name :
             {skins::pictures::noPoints, skins::pictures::won, skins::pictures::lost})
            picture(name, resultSize);
        info(backdrop(background));
        return m_findings;
    }

private:
    void note(const QString& file, int line, const QString& message)
    {
        m_findings.push_back({file, line, message});
    }

    std::optional<QImage> picture(const QString& name, QSize designed)
    {
        const Located file = locate(joinPath(m_folder, name), skins::maxPictureBytes);
        if (!file.contents.bytes) {
            note(file.name, 0, unreadText(file.contents.why, skins::maxPictureBytes));
            return std::nullopt;
        }
        using skins::maxPictureSide;
        const QByteArray& bytes = *file.contents.bytes;
        const QSize size = skins::claimedSize(bytes);
        if (size.isValid() && (size.width() > maxPictureSide || size.height() > maxPictureSide)) {
            note(file.name, 0,
                 QStringLiteral("mide %1; el juego no carga dibujos de más de %2")
                     .arg(sizeText(size), sizeText({maxPictureSide, maxPictureSide})));
            return std::nullopt;
        }
        const std::optional<QImage> image = skins::pictureFrom(bytes);
        if (!image) {
            note(file.name, 0,
                 QStringLiteral("no se puede leer como dibujo; el juego no lo carga"));
            return std::nullopt;
        }
        if (image->size() != designed)
            note(file.name, 0,
                 QStringLiteral("mide %1 y se diseñó para %2")
                     .arg(sizeText(image->size()), sizeText(designed)));
        return image;
    }

    // What the labels stand on: the background picture over the window's grey.
    static QImage backdrop(const std::optional<QImage>& background)
    {
        QImage canvas(clientSize, QImage::Format_RGB32);
        canvas.fill(colors::formBackground);
        if (background) {
            QPainter painter(&canvas);
            painter.drawImage(0, 0, *background);
        }
        return canvas;
    }

    void info(const QImage& backdrop)
    {
        const Located file = locate(skins::infoFile(m_folder), safefile::maxIniBytes);
        if (!file.contents.bytes) {
            note(file.name, 0, unreadText(file.contents.why, safefile::maxIniBytes));
            return;
        }
        const IniScan scan(*file.contents.bytes);
        Findings findings = scan.findings();
        if (scan.isReadable()) {
            RequiredSection colours(scan, skins::info::colours, findings);
            const std::optional<int> red = colours.wholeNumber(skins::info::red, 0, 255);
            const std::optional<int> green = colours.wholeNumber(skins::info::green, 0, 255);
            const std::optional<int> blue = colours.wholeNumber(skins::info::blue, 0, 255);
            if (red && green && blue)
                contrast(qRgb(*red, *green, *blue), backdrop,
                         scan.section(QString(skins::info::colours))->line, findings);

            RequiredSection about(scan, description::section, findings);
            for (const QLatin1String key :
                 {description::name, description::author, description::mail, description::comment})
                about.description(key);
        }
        sortByLine(findings);
        for (Finding& finding : findings)
            finding.file = file.name;
        m_findings.insert(m_findings.end(), findings.begin(), findings.end());
    }

    static void contrast(QRgb text, const QImage& backdrop, int line, Findings& findings)
    {
        std::vector<QRect> labelRows;
        for (const int top : mainlayout::labelRowTops)
            labelRows.push_back(mainlayout::labelRow(top));
        const Patch weakest = weakestPatch(backdrop, text, labelRows, cellWidth);
        if (weakest.ratio >= minimumContrast)
            return;
        const QRect& area = weakest.area;
        const QString where = QStringLiteral("x %1 a %2, y %3 a %4")
                                  .arg(QString::number(area.left()), QString::number(area.right()),
                                       QString::number(area.top()), QString::number(area.bottom()));
        findings.push_back(
            {{},
             line,
             QStringLiteral("el color del texto (%1) contrasta solo %2:1 con el fondo de las "
                            "etiquetas (%3, color medio %4); hace falta al menos %5:1")
                 .arg(rgbText(text), ratioText(weakest.ratio), where, rgbText(weakest.average),
                      ratioText(minimumContrast))});
    }

    ProgramPath m_folder;
    Findings m_findings;
};

} // namespace

Findings checkSkin(const QString& folder) { return SkinCheck(folder).run(); }

} // namespace checker
