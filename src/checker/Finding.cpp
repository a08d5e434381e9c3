#include "checker/Finding.h"

#include <algorithm>

namespace checker {

QString formatted(const Finding& finding)
{
    if (finding.line == 0)
        return QStringLiteral("%1: %2").arg(finding.file, finding.message);
    return QStringLiteral("%1:%2: %3")
        .arg(finding.file, QString::number(finding.line), finding.message);
}

QString characterName(char32_t c)
{
    if (QChar::isPrint(c))
        return QStringLiteral("«%1»").arg(QString::fromUcs4(&c, 1));
    return QStringLiteral("U+%1").arg(QString::number(c, 16).toUpper().rightJustified(4, u'0'));
}

QString unreadText(safefile::Unread why, qint64 maxBytes)
{
    switch (why) {
    case safefile::Unread::Missing:
        return QStringLiteral("falta el archivo");
    case safefile::Unread::NotAFile:
        return QStringLiteral("no es un archivo normal sino una carpeta, una tubería o un "
                              "dispositivo; el juego hace como si faltara");
    case safefile::Unread::TooLarge:
        return QStringLiteral("pasa de %1 MB; el juego hace como si faltara")
            .arg(QString::number(maxBytes >> 20));
    case safefile::Unread::Unreadable:
        break;
    }
    return QStringLiteral("no se puede leer el archivo");
}

void sortByLine(Findings& findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

} // namespace checker
