#pragma once

#include <QString>

// The figures of the statistics window for one category, from its stored texts.
namespace stats {

struct Lines {
    QString played; // "Partidas Jugadas: …"
    QString won;    // "Partidas Ganadas: …"
    QString lost;   // "Partidas Perdidas: …"
    QString best;   // "Máxima Puntuación: …"
};

// Stored counts are shown as stored; one that is missing or not a whole
// number counts as 0. Shares are whole per cent, rounded down, computed
// exactly (29 of 100 is 29, not 28).
Lines lines(const QString& won, const QString& lost, const QString& best);

} // namespace stats
