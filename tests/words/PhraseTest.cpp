#include "words/Phrase.h"
#include "support/DataFile.h"
#include "words/CategoryFiles.h"

#include <gtest/gtest.h>

// Hints must be cut in their order, the last one cut naming the tool tip, and
// the blank before a hint must not stay behind to spoil a typed solution. Only
// the three hints, and only at the very end, are recognised.
TEST(PhraseHints, AreCutInOrderAndLeaveNoTrailingBlank)
{
    for (const QByteArrayList& row : dataRows("hints.txt")) {
        const phrase::Entry cut = phrase::withoutHint(QString::fromUtf8(unescaped(row[0])));
        const QString hint =
            row[2].isEmpty() ? "" : "Título integro en " + QString::fromUtf8(row[2]);
        EXPECT_EQ(cut.phrase + "|" + cut.hint, QString::fromUtf8(unescaped(row[1])) + "|" + hint)
            << row[0].toStdString();
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
    for (const QByteArrayList& row : dataRows("entry_numbers.txt")) {
        SCOPED_TRACE(row[0].toStdString());
        EXPECT_EQ(phrase::nextEntry(categories::storedNumber(row[0])), row[1].toInt());
        EXPECT_EQ(categories::raisedCount(row[0]), row[2].toInt());
        EXPECT_EQ(categories::storedCount(row[0]), row[3].toInt());
    }
    EXPECT_EQ(phrase::entryKey(12), "12A");
    EXPECT_EQ(categories::storedNumber("40000"), 40000); // a best total is not a 16-bit count
}
