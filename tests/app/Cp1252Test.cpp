#include "app/Cp1252.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

// Would catch a byte that changes on its way through the text, a wrong
// character for a byte Windows gives a special meaning, a character outside
// the code page written as anything but one '?', or upper-casing that misses
// the letters Spanish words use or invents capitals Windows does not have.
TEST(Cp1252, FollowsWindows)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(char(byte));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1252::encode(text), all);
    for (const auto& [byte, expected] : {std::pair{0x80, 0x20AC},
                                         {0x81, 0x81},
                                         {0x8A, 0x160},
                                         {0x9D, 0x9D},
                                         {0x9F, 0x178},
                                         {0xD1, 0xD1}})
        EXPECT_EQ(text[byte], QChar(expected)) << byte;

    EXPECT_EQ(cp1252::encode(u"€ñ"), QByteArray("\x80\xF1"));
    EXPECT_EQ(cp1252::encode(u"aāb😀"), QByteArray("a?b?"));

    EXPECT_EQ(cp1252::toUpper(u"ñandú azúcar àéîõüýþ šœžÿ"), u"ÑANDÚ AZÚCAR ÀÉÎÕÜÝÞ ŠŒŽŸ");
    EXPECT_EQ(cp1252::toUpper(u"ßµ÷ā1!"), u"ßµ÷ā1!");
}
