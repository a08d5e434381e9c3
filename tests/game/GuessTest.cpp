#include "game/Guess.h"

#include <gtest/gtest.h>

// Only hidden positions may change, and only where the phrase has exactly c.
TEST(Reveal, UncoversEveryHiddenOccurrenceAndNothingElse)
{
    const play::Reveal a = play::reveal("       ,  ", "LA CASA, 2", 'A');
    EXPECT_EQ(a.display, " A  A A,  ");
    EXPECT_EQ(a.hits, 3);

    const play::Reveal again = play::reveal(a.display, "LA CASA, 2", 'A');
    EXPECT_EQ(again.display, a.display);
    EXPECT_EQ(again.hits, 0);

    EXPECT_EQ(play::reveal("    ", QString::fromUtf8("ÁRBOL").left(4), 'A').hits, 0);
    EXPECT_EQ(play::reveal("   ", QString::fromUtf8("ÑUN"), 'N').display, "  N");
    EXPECT_EQ(play::reveal("  ", "22", '2').display, "22");
    EXPECT_EQ(play::reveal("", "", 'A').hits, 0);
}

TEST(Reveal, VowelsAreTheFiveUnaccentedOnes)
{
    int vowels = 0;
    for (int code = 0; code < 256; ++code)
        vowels += play::isVowel(code) ? 1 : 0;
    EXPECT_EQ(vowels, 5);
    EXPECT_TRUE(play::isVowel('U'));
    EXPECT_FALSE(play::isVowel('Y'));
    EXPECT_FALSE(play::isVowel(209));
}
