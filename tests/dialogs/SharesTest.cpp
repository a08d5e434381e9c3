#include "dialogs/Shares.h"

#include <gtest/gtest.h>

// Shares are whole per cent rounded down and computed exactly: a double
// computation would show 28 % for 29 games of 100. Missing or unreadable
// figures count as none, never as the previous category's, and stored text
// that looks like a pattern is shown as stored.
TEST(StatisticsLines, ShowSharesRoundedDownAndStoredTextAsStored)
{
    const struct {
        const char* won;
        const char* lost;
        const char* played;
        const char* wonLine;
        const char* lostLine;
    } cases[] = {
        {"3", "1", "4", "3 - 75 %", "1 - 25%"},
        {"1", "2", "3", "1 - 33 %", "2 - 66%"},
        {"29", "71", "100", "29 - 29 %", "71 - 71%"},
        {"5", "0", "5", "5 - 100 %", "0 - 0%"},
        {"32767", "32767", "65534", "32767 - 50 %", "32767 - 50%"},
        {"0", "0", "0", "0", "0"},
        {"", "", "0", "0", "0"},
        {"4", "muchas", "4", "4 - 100 %", "muchas - 0%"},
        {"abc", "3", "3", "0 - 0 %", "3 - 100%"},
        {"3", "%1", "3", "3 - 100 %", "%1 - 0%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.won) + "/" + c.lost);
        const stats::Lines lines = stats::lines(c.won, c.lost, "0");
        EXPECT_EQ(lines.played, QString("Partidas Jugadas: ") + c.played);
        EXPECT_EQ(lines.won, QString("Partidas Ganadas: ") + c.wonLine);
        EXPECT_EQ(lines.lost, QString("Partidas Perdidas: ") + c.lostLine);
    }
    EXPECT_EQ(stats::lines("1", "1", "%2").best, QString::fromUtf8("Máxima Puntuación: %2"));
}
