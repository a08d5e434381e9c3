#include "QtPrinters.h"
#include "app/Numbers.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

// Would catch a conversion that refuses the forms a caption or a file holds,
// or that takes junk, infinity or overflow for a number.
TEST(Numbers, TextIsANumberOnlyWhenItReadsAsOne)
{
    EXPECT_EQ(numberFromText(u" 1300\t"), 1300.0);
    EXPECT_EQ(numberFromText(u"-200"), -200.0);
    EXPECT_EQ(numberFromText(u"+2.5"), 2.5);
    EXPECT_EQ(numberFromText(u"-.5"), -0.5);
    EXPECT_EQ(numberFromText(u"1E3"), 1000.0);
    for (const char16_t* junk : {u"", u" \t", u"abc", u"12abc", u"1.2.3", u"- 1", u"inf", u"nan",
                                 u"1e999"})
        EXPECT_EQ(numberFromText(junk), std::nullopt) << QString::fromUtf16(junk).toStdString();
}

// Would catch a player's decimal comma being refused.
TEST(Numbers, TheUsersDecimalSeparatorIsUnderstood)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    EXPECT_EQ(numberFromText(u"2,5"), 2.5);
    EXPECT_EQ(numberFromText(u"2.5"), 2.5);
    QLocale::setDefault(previous);
}

// Would catch rounding halves away from zero, or a value outside 16 bits
// wrapping round instead of being refused.
TEST(Numbers, SixteenBitIntegersRoundHalvesToEven)
{
    EXPECT_EQ(toInteger16(2.5), 2);
    EXPECT_EQ(toInteger16(3.5), 4);
    EXPECT_EQ(toInteger16(-2.5), -2);
    EXPECT_EQ(toInteger16(0.6), 1);
    EXPECT_EQ(toInteger16(32767.4), 32767);
    EXPECT_EQ(toInteger16(-32768.5), -32768);
    EXPECT_EQ(toInteger16(32767.5), std::nullopt);
    EXPECT_EQ(toInteger16(-32769.0), std::nullopt);
    EXPECT_EQ(toInteger16(std::nan("")), std::nullopt);
}

// Would catch texts with exponents, trailing zeros, "-0" or rounding noise.
TEST(Numbers, TextsAreTheShortestDecimals)
{
    EXPECT_EQ(numberText(1300), u"1300");
    EXPECT_EQ(numberText(-200), u"-200");
    EXPECT_EQ(numberText(-0.0), u"0");
    EXPECT_EQ(numberText(123456789012345.0), u"123456789012345");
    EXPECT_EQ(numberText(-2.5), u"-2.5");
    EXPECT_EQ(numberText(0.1 + 0.2), u"0.3");
    EXPECT_EQ(numberText(2.0 / 3), u"0.666666666666667");
}
