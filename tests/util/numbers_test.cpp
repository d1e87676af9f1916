#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "separators_guard.h"
#include "util/numbers.h"
#include "util/strings.h"

namespace {

constexpr double Default = -999.25;

// The Italian separators the examples are written with.
class ItalianSeparators : public ::testing::Test {
protected:
    SeparatorsGuard separators{',', '.'};
};

class PointSeparator : public ::testing::Test {
protected:
    SeparatorsGuard separators{'.', '\0'};
};

TEST_F(ItalianSeparators, ParseNumberExamples) {
    EXPECT_EQ(ParseNumber("12,5", Default), 12.5);
    EXPECT_EQ(ParseNumber("1.234,5", Default), 1234.5);
    EXPECT_EQ(ParseNumber("1,234,5", Default), Default);
    EXPECT_EQ(ParseNumber("1E3", Default), Default);
    EXPECT_EQ(ParseNumber("", Default), Default);
}

TEST_F(ItalianSeparators, ParseNumberIsStrict) {
    EXPECT_EQ(ParseNumber("  -12,5\t", Default), -12.5);
    EXPECT_EQ(ParseNumber("+7", Default), 7);
    EXPECT_EQ(ParseNumber(",5", Default), 0.5);
    EXPECT_EQ(ParseNumber("5,", Default), 5);
    EXPECT_EQ(ParseNumber(",", Default), Default);
    EXPECT_EQ(ParseNumber("-", Default), Default);
    EXPECT_EQ(ParseNumber("12 5", Default), Default);
    EXPECT_EQ(ParseNumber("12,5X", Default), Default);
    EXPECT_EQ(ParseNumber("1e3", Default), Default);
    EXPECT_EQ(ParseNumber("INF", Default), Default);
    EXPECT_EQ(ParseNumber("NAN", Default), Default);
    EXPECT_EQ(ParseNumber("0x10", Default), Default);
    EXPECT_EQ(ParseNumber("--1", Default), Default);
}

TEST_F(ItalianSeparators, ParseNumberRefusesTwentyOneCharactersOrMore) {
    EXPECT_EQ(ParseNumber("12345678901234567890", Default), 12345678901234567890.0);
    EXPECT_EQ(ParseNumber("123456789012345678901", Default), Default);
    // Length counts before the thousands separators are deleted.
    EXPECT_EQ(ParseNumber("1.234.567.890.123.456", Default), Default);
}

TEST_F(PointSeparator, ParseNumberWithPointAndNoThousands) {
    EXPECT_EQ(ParseNumber("12.5", Default), 12.5);
    EXPECT_EQ(ParseNumber("12,5", Default), Default);
    EXPECT_EQ(ParseNumber("1.2.3", Default), Default);
}

TEST(ParseNumberSeparators, CommaDecimalMakesAPointUnreadable) {
    SeparatorsGuard separators(',', '\0');
    EXPECT_EQ(ParseNumber("12.5", Default), Default);
    EXPECT_EQ(ParseNumber("12,5", Default), 12.5);
}

TEST(ParseNumberSeparators, BlankThousandsSeparatorIsDeleted) {
    SeparatorsGuard separators(',', ' ');
    EXPECT_EQ(ParseNumber("1 234 567,5", Default), 1234567.5);
}

TEST(NumberSeparators, SeparatorsThatWouldSpoilNumbersAreRefused) {
    SeparatorsGuard separators(',', '.');
    EXPECT_FALSE(SetNumberSeparators('5', '.'));
    EXPECT_FALSE(SetNumberSeparators('-', '.'));
    EXPECT_FALSE(SetNumberSeparators('\0', '.'));
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(GetThousandSeparator(), '.');
    EXPECT_TRUE(SetNumberSeparators(',', ','));
    EXPECT_EQ(GetThousandSeparator(), '\0');
    EXPECT_EQ(ParseNumber("12,5", Default), 12.5);
    EXPECT_TRUE(SetNumberSeparators('.', '3'));
    EXPECT_EQ(GetDecimalSeparator(), '.');
    EXPECT_EQ(GetThousandSeparator(), '\0');
}

TEST(IntegerConversion, DecimalWithin32Bits) {
    EXPECT_EQ(ParseInteger("123", -1), 123);
    EXPECT_EQ(ParseInteger("  -45", -1), -45);
    EXPECT_EQ(ParseInteger("+7", -1), 7);
    EXPECT_EQ(ParseInteger("0007", -1), 7);
    EXPECT_EQ(ParseInteger("2147483647", -1), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648", -1), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ParseInteger("2147483648", -1), -1);
    EXPECT_EQ(ParseInteger("99999999999999999999999", -1), -1);
}

TEST(IntegerConversion, Hexadecimal) {
    EXPECT_EQ(ParseInteger("$1F", -1), 31);
    EXPECT_EQ(ParseInteger("0x1f", -1), 31);
    EXPECT_EQ(ParseInteger("0X10", -1), 16);
    EXPECT_EQ(ParseInteger("-$10", -1), -16);
    EXPECT_EQ(ParseInteger("$FFFFFFFF", 0), -1);
    EXPECT_EQ(ParseInteger("$100000000", 0), 0);
    EXPECT_EQ(ParseInteger("$", 5), 5);
    EXPECT_EQ(ParseInteger("0x", 5), 5);
}

TEST(IntegerConversion, AnythingElseFails) {
    int32_t value = 77;
    EXPECT_FALSE(TryParseInteger("", value));
    EXPECT_FALSE(TryParseInteger("   ", value));
    EXPECT_FALSE(TryParseInteger("-", value));
    EXPECT_FALSE(TryParseInteger("12A", value));
    EXPECT_FALSE(TryParseInteger("1F", value));
    EXPECT_FALSE(TryParseInteger("12 ", value));
    EXPECT_FALSE(TryParseInteger("1.5", value));
    EXPECT_EQ(value, 77);
    EXPECT_EQ(ParseInteger("abc", 0), 0);
}

TEST_F(ItalianSeparators, FormatNumberMoneyExamples) {
    EXPECT_EQ(FormatNumber(2, 10, NumberModeMoney, true, 123456), "  1.234,56");
    EXPECT_EQ(FormatNumber(2, 10, NumberModeMoney, true, -123456), " -1.234,56");
    EXPECT_EQ(FormatNumber(2, 8, NumberModeMoney, true, 123456), " 1234,56");
    EXPECT_EQ(FormatNumber(2, 15, NumberModeMoney, true, 1234567890123), "   TROPPOGRANDE");
    EXPECT_EQ(FormatNumber(0, 5, NumberModeMoney, true, 123456), " TROP");
}

TEST_F(ItalianSeparators, FormatNumberQuantityExamples) {
    EXPECT_EQ(FormatNumber(3, 8, NumberModeQuantity, true, 2.5), "     2,5");
    EXPECT_EQ(FormatNumber(3, 8, NumberModeQuantity, true, 3), "       3");
    EXPECT_EQ(FormatNumber(3, 8, NumberModeQuantity, true, 1234.5), "  1234,5");
}

TEST_F(ItalianSeparators, FormatNumberPriceIsGroupedWhenItFits) {
    EXPECT_EQ(FormatNumber(0, 10, NumberModePrice, true, 1234.5), "   1.234,5");
    EXPECT_EQ(FormatNumber(0, 7, NumberModePrice, true, 1234.5), " 1234,5");
    EXPECT_EQ(FormatNumber(0, 6, NumberModePrice, false, 0.125), " 0,125");
}

TEST_F(ItalianSeparators, FormatNumberUnsignedUsesTheWholeWidth) {
    EXPECT_EQ(FormatNumber(2, 6, NumberModeDecimals, false, 12.345), " 12,35");
    EXPECT_EQ(FormatNumber(2, 5, NumberModeDecimals, false, 12.345), "12,35");
    EXPECT_EQ(FormatNumber(0, 3, NumberModeDecimals, false, 123456), "TRO");
    EXPECT_EQ(FormatNumber(0, 20, NumberModeDecimals, false, 123456789012.0), "     123.456.789.012");
    EXPECT_EQ(FormatNumber(0, 20, NumberModeDecimals, false, 1234567890123.0), "        TROPPOGRANDE");
}

TEST_F(ItalianSeparators, FormatNumberWidthBelowOneCountsAsOne) {
    EXPECT_EQ(FormatNumber(0, 0, NumberModeDecimals, false, 5), "5");
    EXPECT_EQ(FormatNumber(0, -3, NumberModeDecimals, true, 5), " ");
}

TEST_F(ItalianSeparators, FormatNumberValuesBeyondFifteenIntegerDigitsOverflow) {
    EXPECT_EQ(FormatNumber(0, 30, NumberModeDecimals, false, 1e16), PadText("TROPPOGRANDE", 30, ' ', true));
    EXPECT_EQ(FormatNumber(0, 30, NumberModeMoney, true, 1e20), PadText("TROPPOGRANDE", 30, ' ', true));
    EXPECT_EQ(FormatNumber(0, 30, NumberModeDecimals, false, std::numeric_limits<double>::infinity()),
              PadText("TROPPOGRANDE", 30, ' ', true));
    EXPECT_EQ(FormatNumber(0, 30, NumberModeDecimals, false, std::nan("")),
              PadText("TROPPOGRANDE", 30, ' ', true));
}

TEST_F(ItalianSeparators, FormatNumberNeverShowsMinusZero) {
    EXPECT_EQ(FormatNumber(2, 6, NumberModeDecimals, true, -0.001), "  0,00");
    EXPECT_EQ(FormatNumber(2, 6, NumberModeMoney, true, -0.0), "  0,00");
}

TEST_F(ItalianSeparators, FormatNumberUnknownModeGivesBlanks) {
    EXPECT_EQ(FormatNumber(2, 6, 3, true, 12), "      ");
}

TEST_F(ItalianSeparators, FixedStyleRoundsToFifteenDigitsThenHalfAwayFromZero) {
    EXPECT_EQ(FormatFixed(1.005, 2), "1,01");
    EXPECT_EQ(FormatFixed(-1.005, 2), "-1,01");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(0.125, 2), "0,13");
    EXPECT_EQ(FormatFixed(999.995, 2), "1000,00");
    EXPECT_EQ(FormatFixed(0.006, 2), "0,01");
    EXPECT_EQ(FormatFixed(0.004, 2), "0,00");
    EXPECT_EQ(FormatFixed(0, 3), "0,000");
    EXPECT_EQ(FormatFixed(0.1 + 0.2, 17), "0,30000000000000000");
    EXPECT_EQ(FormatFixed(123456789012345.0, 0), "123456789012345");
    EXPECT_EQ(FormatFixed(1e15, 0), "1,00000000000000E+15");
    EXPECT_EQ(FormatGrouped(1234567.891, 2), "1.234.567,89");
    EXPECT_EQ(FormatGrouped(-123.0, 1), "-123,0");
    EXPECT_EQ(FormatGrouped(-123456.0, 0), "-123.456");
}

TEST(FixedStyle, NoThousandsSeparatorMeansNoGrouping) {
    SeparatorsGuard separators('.', '\0');
    EXPECT_EQ(FormatGrouped(1234567.5, 1), "1234567.5");
}

TEST_F(ItalianSeparators, GeneralFormat) {
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(12.5), "12,5");
    EXPECT_EQ(FormatGeneral(-12.5), "-12,5");
    EXPECT_EQ(FormatGeneral(1500), "1500");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0,3");
    EXPECT_EQ(FormatGeneral(1e15), "1E15");
    EXPECT_EQ(FormatGeneral(999999999999999.0), "999999999999999");
    EXPECT_EQ(FormatGeneral(1.5e-5), "1,5E-5");
    EXPECT_EQ(FormatGeneral(0.0001), "0,0001");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(FormatGeneral(-2.5e20), "-2,5E20");
}

TEST_F(ItalianSeparators, ShiftDecimalExamples) {
    EXPECT_EQ(ShiftDecimal(-2, 12345), 123.45);
    EXPECT_EQ(ShiftDecimal(-2, 5), 0.05);
    EXPECT_EQ(ShiftDecimal(-2, -5), -0.05);
    EXPECT_EQ(ShiftDecimal(2, 1.23), 123);
    EXPECT_EQ(ShiftDecimal(3, 1.5), 1500);
    EXPECT_EQ(ShiftDecimal(0, 1.23), 1.23);
    EXPECT_EQ(ShiftDecimal(-2, 0), 0);
}

TEST_F(ItalianSeparators, ShiftDecimalWorksOnDecimalDigits) {
    // 0.1 * 3 in binary is 0.30000000000000004; shifting the digits gives exactly 0.003.
    EXPECT_EQ(ShiftDecimal(-2, 0.1 * 3), 0.003);
    EXPECT_EQ(ShiftDecimal(-3, 1234567), 1234.567);
}

TEST_F(ItalianSeparators, ShiftDecimalOfHugeOrFarShifts) {
    EXPECT_EQ(ShiftDecimal(-2, 1e20), 1e18);
    EXPECT_EQ(ShiftDecimal(-2147483647, 12345), 0);
    EXPECT_EQ(ShiftDecimal(-30, 12345), 0);
    EXPECT_EQ(ShiftDecimal(2147483647, 1e300), std::numeric_limits<double>::infinity());
    // Only the first 20 characters are kept.
    EXPECT_EQ(ShiftDecimal(30, 12345), 12345000000000000000.0);
}

TEST(ShiftDecimalSeparators, SameResultWithPointSeparator) {
    SeparatorsGuard separators('.', ',');
    EXPECT_EQ(ShiftDecimal(-2, 12345), 123.45);
    EXPECT_EQ(FormatNumber(2, 10, NumberModeMoney, true, 123456), "  1,234.56");
}

TEST_F(ItalianSeparators, StripTrailingZeros) {
    EXPECT_EQ(StripTrailingZeros("12,500"), "12,5");
    EXPECT_EQ(StripTrailingZeros("12,000"), "12");
    EXPECT_EQ(StripTrailingZeros("1200"), "1200");
    EXPECT_EQ(StripTrailingZeros("1,00000000000000E+20"), "1,00000000000000E+20");
}

} // namespace
