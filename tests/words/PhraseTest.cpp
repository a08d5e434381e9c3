#include "words/Phrase.h"
#include "words/CategoryFiles.h"

#include <gtest/gtest.h>

#include <tuple>

// Hints must be cut in their order, the last one cut naming the tool tip, and
// the blank before a hint must not stay behind to spoil a typed solution. Only
// the three hints, and only at the very end, are recognised.
TEST(PhraseHints, AreCutInOrderAndLeaveNoTrailingBlank)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"LA DOLCE VITA (IT)", "LA DOLCE VITA", "Italiano"},
        {"AMELIE (FR)", "AMELIE", "Francés"},
        {"X (IT)(EN)", "X", "Italiano"},
        {"EL GATO (DE)", "EL GATO (DE)", ""},
        {"(EN) EL GATO", "(EN) EL GATO", ""},
        {"HOLA ", "HOLA ", ""},
        {" (FR)", "", "Francés"}};
    for (const auto& [entry, phrase, language] : cases) {
        const phrase::Entry cut = phrase::withoutHint(entry);
        const QString hint = *language ? QString::fromUtf8("Título integro en ") + language : "";
        EXPECT_EQ(cut.phrase + "|" + cut.hint, phrase + ("|" + hint)) << entry;
    }
}

// The display hides every character but blanks and four marks, the dash row
// tells hidden characters from blanks, and so does what a screen reader says.
// Closing hands an entry back only while nothing but those shows.
TEST(PhraseMask, ShowsBlanksAndMarksAndTellsHiddenCellsFromBlanks)
{
    const phrase::Masked marks = phrase::mask(QString::fromUtf8("A:B.C-D ÁÑ?',"));
    EXPECT_EQ(marks.display + "|" + marks.dashes, QString::fromUtf8(" : . -      ,|------- -----"));
    EXPECT_EQ(phrase::withFirstShown("", ""), "");
    EXPECT_TRUE(phrase::isUntouched(marks.display));
    EXPECT_FALSE(phrase::isUntouched("   7"));
    EXPECT_EQ(phrase::spoken("P  O,", "---- -"), "P, oculta, oculta, O, ,");
    EXPECT_EQ(phrase::spoken("L  A", "-- -"), "L, oculta, espacio, A");
}

// Counters are 16-bit and one is added before rounding (halves to the even
// neighbour): rounding first deals 2.5 as 3 instead of 4. Past the top the
// list starts again, statistics stay at the top, and stored text in a bad
// shape counts as 0.
TEST(EntryNumbers, AddOneBeforeRoundingAndWrapOrStayAtTheTop)
{
    // Stored text, then the entry dealt next, the count raised and the count read.
    const std::tuple<const char*, int, int, int> cases[] = {
        {"abc", 1, 1, 0},           {"2.5", 4, 4, 2},         {"-0.6", 1, 0, -1},
        {"32767", 1, 32767, 32767}, {"1e9", 1, 32767, 32767}, {"-1e9", 1, -32768, -32768}};
    for (const auto& [text, next, raised, count] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(phrase::nextEntry(categories::storedNumber(text)), next);
        EXPECT_EQ(categories::raisedCount(text), raised);
        EXPECT_EQ(categories::storedCount(text), count);
    }
    EXPECT_EQ(phrase::entryKey(12), "12A");
    EXPECT_EQ(categories::storedNumber("40000"), 40000); // a best total is not a 16-bit count
}
