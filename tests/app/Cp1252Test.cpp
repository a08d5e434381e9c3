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
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_EQ(cp1252::decode("\x80\x81\x8A\x9D\x9F\xD1"), u"€\u0081Š\u009DŸÑ");
    EXPECT_EQ(cp1252::encode(u"aāb😀€ñ"), QByteArray("a?b?\x80\xF1"));
    EXPECT_EQ(cp1252::toUpper(u"ñandú azúcar àéîõüýþ šœžÿ ßµ÷ā1!"),
              u"ÑANDÚ AZÚCAR ÀÉÎÕÜÝÞ ŠŒŽŸ ßµ÷ā1!");
}
