#include "words/Phrase.h"
#include "words/CategoryFiles.h"

#include <gtest/gtest.h>

using phrase::mask;
using phrase::withoutHint;

// Hints must be cut in their order, the last one cut naming the tool tip, and
// the blank before a hint must not stay behind to spoil a typed solution. Only
// the three hints, and only at the very end, are recognised.
TEST(PhraseHints, AreCutInOrderAndLeaveNoTrailingBlank)
{
    const char* const italian = "Título integro en Italiano";
    const struct {
        const char* entry;
        const char* phrase;
        const char* hint;
    } cases[] = {
        {"LA DOLCE VITA (IT)", "LA DOLCE VITA", italian},
        {"AMELIE (FR)", "AMELIE", "Título integro en Francés"},
        {"X (IT)(EN)", "X", italian},
        {"EL GATO (DE)", "EL GATO (DE)", ""},
        {"(EN) EL GATO", "(EN) EL GATO", ""},
        {"HOLA ", "HOLA ", ""},
        {" (FR)", "", "Título integro en Francés"},
    };
    for (const auto& c : cases) {
        const phrase::Entry cut = withoutHint(c.entry);
        EXPECT_EQ(cut.phrase, QString::fromUtf8(c.phrase)) << c.entry;
        EXPECT_EQ(cut.hint, QString::fromUtf8(c.hint)) << c.entry;
    }
}

// The display hides every character but blanks and four marks; the dash row
// tells hidden characters from blanks. Closing hands an entry back only while
// nothing but those shows.
TEST(PhraseMask, ShowsBlanksAndMarksAndDashesEveryOtherPosition)
{
    const phrase::Masked marks = mask(QString::fromUtf8("A:B.C-D ÁÑ?'"));
    EXPECT_EQ(marks.display, QString::fromUtf8(" : . -      "));
    EXPECT_EQ(marks.dashes, QString::fromUtf8("------- ----"));
    EXPECT_FALSE(marks.hasDigit);
    EXPECT_TRUE(mask("7").hasDigit);
    EXPECT_EQ(phrase::withFirstShown("", ""), "");

    EXPECT_TRUE(phrase::isUntouched(marks.display));
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

// A screen reader must hear hidden cells apart from blanks.
TEST(PhraseMask, IsSpokenCellByCell)
{
    EXPECT_EQ(phrase::spoken("P  O,", "---- -"), "P, oculta, oculta, O, ,");
    EXPECT_EQ(phrase::spoken("L  A", "-- -"), "L, oculta, espacio, A");
    EXPECT_EQ(phrase::spoken("", ""), "");
}

// No category name may lead out of the application folder.
TEST(CategoryNames, WithSeparatorsOrDotsAreRefused)
{
    EXPECT_TRUE(categories::isSafeName("Paises y capitales"));
    for (const char* name : {"", "..\\datos", "../../etc/passwd", "sub\\Animales", ".."})
        EXPECT_FALSE(categories::isSafeName(name)) << name;
}
