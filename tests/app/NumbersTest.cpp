#include "app/Numbers.h"
#include "QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

// Would catch a conversion that refuses the forms a caption or a file holds
// (the player's decimal comma among them), or that takes junk, infinity or
// overflow for a number.
TEST(Numbers, TextIsANumberOnlyWhenItReadsAsOne)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const std::pair<const char16_t*, std::optional<double>> cases[] = {
        {u" 1300\t", 1300}, {u"-200", -200}, {u"+2.5", 2.5}, {u"-.5", -0.5}, {u"1E3", 1000},
        {u"2,5", 2.5},      {u"", {}},       {u" \t", {}},   {u"abc", {}},   {u"12abc", {}},
        {u"1.2.3", {}},     {u"- 1", {}},    {u"inf", {}},   {u"nan", {}},   {u"1e999", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(numberFromText(text), expected) << QString::fromUtf16(text).toStdString();
    QLocale::setDefault(previous);
}

// Would catch rounding halves away from zero, a value outside 16 bits
// wrapping round instead of being refused, or texts with exponents, trailing
// zeros, "-0" or rounding noise.
TEST(Numbers, SixteenBitIntegersAndShortestTexts)
{
    const std::pair<double, std::optional<int>> integers[] = {
        {2.5, 2},           {3.5, 4},      {-2.5, -2},     {0.6, 1},           {32767.4, 32767},
        {-32768.5, -32768}, {32767.5, {}}, {-32769.0, {}}, {std::nan(""), {}},
    };
    for (const auto& [number, expected] : integers)
        EXPECT_EQ(toInteger16(number), expected) << number;

    const std::pair<double, const char16_t*> texts[] = {
        {1300, u"1300"}, {-0.0, u"0"},        {123456789012345.0, u"123456789012345"},
        {-2.5, u"-2.5"}, {0.1 + 0.2, u"0.3"}, {2.0 / 3, u"0.666666666666667"},
    };
    for (const auto& [number, expected] : texts)
        EXPECT_EQ(numberText(number), expected) << number;
}
