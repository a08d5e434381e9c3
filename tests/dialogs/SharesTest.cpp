#include "dialogs/Shares.h"

#include <QStringList>

#include <gtest/gtest.h>

// Shares are whole per cent rounded down and computed exactly: a double
// computation would show 28 % for 29 games of 100. Missing or unreadable
// figures count as none, and stored text that looks like a pattern is shown
// as stored.
TEST(StatisticsLines, ShowSharesRoundedDownAndStoredTextAsStored)
{
    const struct {
        const char *won, *lost, *expected;
    } cases[] = {
        {"3", "1", "4 | 3 - 75 % | 1 - 25%"},
        {"1", "2", "3 | 1 - 33 % | 2 - 66%"},
        {"29", "71", "100 | 29 - 29 % | 71 - 71%"},
        {"5", "0", "5 | 5 - 100 % | 0 - 0%"},
        {"32767", "32767", "65534 | 32767 - 50 % | 32767 - 50%"},
        {"", "", "0 | 0 | 0"},
        {"4", "muchas", "4 | 4 - 100 % | muchas - 0%"},
        {"abc", "3", "3 | 0 - 0 % | 3 - 100%"},
        {"3", "%1", "3 | 3 - 100 % | %1 - 0%"},
    };
    for (const auto& c : cases) {
        const stats::Lines lines = stats::lines(c.won, c.lost, "0");
        const QStringList parts = QString(c.expected).split(" | ");
        EXPECT_EQ(QStringList({lines.played, lines.won, lines.lost}),
                  QStringList({"Partidas Jugadas: " + parts[0], "Partidas Ganadas: " + parts[1],
                               "Partidas Perdidas: " + parts[2]}));
    }
}
