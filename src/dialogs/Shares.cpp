#include "dialogs/Shares.h"

#include "app/Numbers.h"
#include "words/CategoryFiles.h"

#include <algorithm>

namespace stats {

Lines lines(const QString& won, const QString& lost, const QString& best)
{
    const int w = std::max<int>(categories::storedCount(won), 0);
    const int l = std::max<int>(categories::storedCount(lost), 0);
    const int played = w + l;

    Lines result;
    result.played = QStringLiteral("Partidas Jugadas: %1").arg(played);
    if (played == 0) {
        result.won = QStringLiteral("Partidas Ganadas: 0");
        result.lost = QStringLiteral("Partidas Perdidas: 0");
    } else {
        // Games won that cannot be read count, and show, as none.
        const QString wonShown = numberFromText(won) ? won : QStringLiteral("0");
        result.won =
            QStringLiteral("Partidas Ganadas: %1 - %2 %").arg(wonShown).arg(100 * w / played);
        result.lost = QStringLiteral("Partidas Perdidas: %1 - %2%").arg(lost).arg(100 * l / played);
    }
    result.best = QString::fromUtf8("Máxima Puntuación: ") + best;
    return result;
}

} // namespace stats
