#include "words/Shares.h"

#include "app/Numbers.h"
#include "words/CategoryFiles.h"

#include <algorithm>

namespace stats {

Lines lines(const QString& won, const QString& lost, const QString& best)
{
    const int w = std::max<int>(categories::storedCount(won), 0);
    const int l = std::max<int>(categories::storedCount(lost), 0);
    const int played = w + l;

    // Stored text goes in by concatenation: an arg() chain would take a
    // stored "%1" for a place of its own.
    const QString share = QStringLiteral(" - ");
    Lines result;
    result.played = QStringLiteral("Partidas Jugadas: ") + QString::number(played);
    if (played == 0) {
        result.won = QStringLiteral("Partidas Ganadas: 0");
        result.lost = QStringLiteral("Partidas Perdidas: 0");
    } else {
        // Games won that cannot be read count, and show, as none.
        const QString wonShown = numberFromText(won) ? won : QStringLiteral("0");
        result.won = QStringLiteral("Partidas Ganadas: ") + wonShown + share +
                     QString::number(100 * w / played) + QStringLiteral(" %");
        result.lost = QStringLiteral("Partidas Perdidas: ") + lost + share +
                      QString::number(100 * l / played) + QStringLiteral("%");
    }
    result.best = QString::fromUtf8("Máxima Puntuación: ") + best;
    return result;
}

} // namespace stats
