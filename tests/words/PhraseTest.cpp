#include "words/Phrase.h"
#include "words/CategoryFiles.h"

#include <gtest/gtest.h>

using phrase::mask;
using phrase::withoutHint;

// Hints must be cut in their order, the last one cut naming the tool tip, and
// the blank before a hint must not stay behind to spoil a typed solution.
TEST(PhraseHints, AreCutInOrderAndLeaveNoTrailingBlank)
{
    EXPECT_EQ(withoutHint("EL GATO (EN)").phrase, "EL GATO");
    EXPECT_EQ(withoutHint("EL GATO (EN)").hint, QString::fromUtf8("Título integro en Inglés"));
    EXPECT_EQ(withoutHint("LA DOLCE VITA (IT)").hint,
              QString::fromUtf8("Título integro en Italiano"));
    EXPECT_EQ(withoutHint("AMELIE (FR)").hint, QString::fromUtf8("Título integro en Francés"));

    const phrase::Entry both = withoutHint("X (IT)(EN)");
    EXPECT_EQ(both.phrase, "X");
    EXPECT_EQ(both.hint, QString::fromUtf8("Título integro en Italiano"));

    // Only the three hints, and only at the very end, are recognised.
    EXPECT_EQ(withoutHint("EL GATO (DE)").phrase, "EL GATO (DE)");
    EXPECT_EQ(withoutHint("(EN) EL GATO").phrase, "(EN) EL GATO");
    EXPECT_EQ(withoutHint("HOLA ").phrase, "HOLA ");
    EXPECT_TRUE(withoutHint("(EN)").phrase.isEmpty());
    EXPECT_TRUE(withoutHint(" (FR)").phrase.isEmpty());
}

// The display hides every character but blanks and four marks; the dash row
// tells hidden characters from blanks.
TEST(PhraseMask, ShowsBlanksAndMarksAndDashesEveryOtherPosition)
{
    const phrase::Masked masked = mask("LA CASA, 2");
    EXPECT_EQ(masked.display, "       ,  ");
    EXPECT_EQ(masked.dashes, "-- ----- -");
    EXPECT_TRUE(masked.hasDigit);

    const phrase::Masked marks = mask(QString::fromUtf8("A:B.C-D ÁÑ?'"));
    EXPECT_EQ(marks.display, QString::fromUtf8(" : . -      "));
    EXPECT_EQ(marks.dashes, QString::fromUtf8("------- ----"));
    EXPECT_FALSE(marks.hasDigit);

    EXPECT_EQ(phrase::withFirstShown(masked.display, "LA CASA, 2"), "L      ,  ");
    EXPECT_EQ(phrase::withFirstShown(" ", " "), " ");
    EXPECT_EQ(phrase::withFirstShown("", ""), "");
}

// Closing hands an entry back only while nothing has been uncovered.
TEST(PhraseMask, UntouchedMeansOnlyBlanksAndMarksShow)
{
    EXPECT_TRUE(phrase::isUntouched("       ,  "));
    EXPECT_TRUE(phrase::isUntouched(""));
    EXPECT_TRUE(phrase::isUntouched("_ -:."));
    EXPECT_FALSE(phrase::isUntouched("L      ,  "));
    EXPECT_FALSE(phrase::isUntouched("   7"));
}

// Counters are 16-bit and one is added before rounding (halves to the even
// neighbour): rounding first deals 2.5 as 3 instead of 4. Past the top the
// list starts again, statistics stay at the top, and stored text in a bad
// shape counts as 0.
TEST(EntryNumbers, AddOneBeforeRoundingAndWrapOrStayAtTheTop)
{
    const struct {
        const char* stored;
        int nextEntry;
        int raisedCount;
    } cases[] = {
        {"0", 1, 1},       {"41", 42, 42},      {" 7 ", 8, 8},       {"", 1, 1},
        {"abc", 1, 1},     {"0.5", 2, 2},       {"1.5", 2, 2},       {"2.5", 4, 4},
        {"-0.6", 1, 0},    {"-5", 1, -4},       {"32767", 1, 32767}, {"32766.6", 1, 32767},
        {"1e9", 1, 32767}, {"-1e9", 1, -32768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(phrase::nextEntry(categories::storedNumber(c.stored)), c.nextEntry);
        EXPECT_EQ(categories::raisedCount(c.stored), c.raisedCount);
    }
    EXPECT_EQ(phrase::entryKey(12), "12A");
    EXPECT_EQ(categories::storedCount("3.5"), 4);
    EXPECT_EQ(categories::storedCount("1e9"), 32767);
    EXPECT_EQ(categories::storedNumber("2500"), 2500);
}

// No category name may lead out of the application folder.
TEST(CategoryNames, WithSeparatorsOrDotsAreRefused)
{
    EXPECT_TRUE(categories::isSafeName("Animales"));
    EXPECT_TRUE(categories::isSafeName("Paises y capitales"));
    EXPECT_FALSE(categories::isSafeName(""));
    EXPECT_FALSE(categories::isSafeName("..\\datos"));
    EXPECT_FALSE(categories::isSafeName("../../etc/passwd"));
    EXPECT_FALSE(categories::isSafeName("sub\\Animales"));
}

// A screen reader must hear hidden cells apart from blanks.
TEST(PhraseMask, IsSpokenCellByCell)
{
    EXPECT_EQ(phrase::spoken("P  O,", "---- -"), "P, oculta, oculta, O, ,");
    EXPECT_EQ(phrase::spoken("L  A", "-- -"), "L, oculta, espacio, A");
    EXPECT_EQ(phrase::spoken("", ""), "");
}
