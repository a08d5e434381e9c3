#include "dialogs/Shares.h"

#include <gtest/gtest.h>

namespace {

void expectLines(const stats::Lines& lines, const char* played, const char* won, const char* lost)
{
    EXPECT_EQ(lines.played, QString::fromUtf8(played));
    EXPECT_EQ(lines.won, QString::fromUtf8(won));
    EXPECT_EQ(lines.lost, QString::fromUtf8(lost));
}

} // namespace

// Shares are whole per cent rounded down and computed exactly: a double
// computation would show 28 % for 29 games of 100.
TEST(StatisticsLines, ShowSharesInWholePerCentRoundedDown)
{
    expectLines(stats::lines("3", "1", "2500"), "Partidas Jugadas: 4", "Partidas Ganadas: 3 - 75 %",
                "Partidas Perdidas: 1 - 25%");
    expectLines(stats::lines("1", "2", "0"), "Partidas Jugadas: 3", "Partidas Ganadas: 1 - 33 %",
                "Partidas Perdidas: 2 - 66%");
    expectLines(stats::lines("29", "71", "0"), "Partidas Jugadas: 100",
                "Partidas Ganadas: 29 - 29 %", "Partidas Perdidas: 71 - 71%");
    expectLines(stats::lines("5", "0", "0"), "Partidas Jugadas: 5", "Partidas Ganadas: 5 - 100 %",
                "Partidas Perdidas: 0 - 0%");
    expectLines(stats::lines("32767", "32767", "0"), "Partidas Jugadas: 65534",
                "Partidas Ganadas: 32767 - 50 %", "Partidas Perdidas: 32767 - 50%");
    EXPECT_EQ(stats::lines("3", "1", "2500").best, QString::fromUtf8("Máxima Puntuación: 2500"));
}

// Missing or unreadable figures fall back to ": 0" lines that still describe
// the selected category, never to the previous category's count.
TEST(StatisticsLines, UnreadableFiguresCountAsNone)
{
    expectLines(stats::lines("0", "0", ""), "Partidas Jugadas: 0", "Partidas Ganadas: 0",
                "Partidas Perdidas: 0");
    expectLines(stats::lines("", "", ""), "Partidas Jugadas: 0", "Partidas Ganadas: 0",
                "Partidas Perdidas: 0");
    EXPECT_EQ(stats::lines("", "", "").best, QString::fromUtf8("Máxima Puntuación: "));
    expectLines(stats::lines("4", "muchas", "0"), "Partidas Jugadas: 4",
                "Partidas Ganadas: 4 - 100 %", "Partidas Perdidas: muchas - 0%");
    expectLines(stats::lines("abc", "3", "0"), "Partidas Jugadas: 3", "Partidas Ganadas: 0 - 0 %",
                "Partidas Perdidas: 3 - 100%");
    // Stored text that looks like a pattern is shown as stored.
    expectLines(stats::lines("3", "%1", "0"), "Partidas Jugadas: 3", "Partidas Ganadas: 3 - 100 %",
                "Partidas Perdidas: %1 - 0%");
    EXPECT_EQ(stats::lines("1", "1", "%2").best, QString::fromUtf8("Máxima Puntuación: %2"));
}
