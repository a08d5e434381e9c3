#include "QtPrinters.h"
#include "app/Cp1252.h"

#include <gtest/gtest.h>

// Would catch a byte that changes on its way through the text, or a wrong
// character for one of the bytes Windows gives a special meaning.
TEST(Cp1252, EveryByteComesBackAsItself)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = cp1252::decode(all);

    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1252::encode(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x81], QChar(0x0081));
    EXPECT_EQ(text[0x8A], QChar(0x0160));
    EXPECT_EQ(text[0x9D], QChar(0x009D));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0xD1], QChar(u'Ñ'));
}

// Would catch a character outside the code page written as two bytes, or as
// something other than the one '?'.
TEST(Cp1252, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    EXPECT_EQ(cp1252::encode(u"€ñ"), QByteArray("\x80\xF1"));
    EXPECT_EQ(cp1252::encode(u"aāb"), QByteArray("a?b"));
    EXPECT_EQ(cp1252::encode(u"a😀b"), QByteArray("a?b"));
}

// Would catch upper-casing that misses the letters Spanish words use, or that
// invents capitals Windows does not have.
TEST(Cp1252, UpperCasingFollowsWindows)
{
    EXPECT_EQ(cp1252::toUpper(u"ñandú azúcar"), u"ÑANDÚ AZÚCAR");
    EXPECT_EQ(cp1252::toUpper(u"àéîõüýþ"), u"ÀÉÎÕÜÝÞ");
    EXPECT_EQ(cp1252::toUpper(u"šœžÿ"), u"ŠŒŽŸ");
    EXPECT_EQ(cp1252::toUpper(u"ßµ÷ā1!"), u"ßµ÷ā1!");
}
