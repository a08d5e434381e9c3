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

void sortByLine(Findings& findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

} // namespace checker
