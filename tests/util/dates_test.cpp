#include <gtest/gtest.h>

#include <ctime>
#include <limits>

#include "pivot_year_guard.h"
#include "util/dates.h"

namespace {

constexpr double ThreeMinutes = 3.0 / 1440.0;

// Reads a text that must be a date and returns it; fails the test otherwise.
double MustRead(const std::string& text) {
    double date = 0;
    EXPECT_TRUE(ReadDate(text, date)) << text;
    return date;
}

bool Refused(const std::string& text) {
    double date = 12345;
    return !ReadDate(text, date);
}

void ExpectDay(double date, int day, int month, int year) {
    EXPECT_EQ(DayOf(date), day);
    EXPECT_EQ(MonthOf(date), month);
    EXPECT_EQ(YearOf(date), year);
}

class ReadDateWithPivot1925 : public ::testing::Test {
protected:
    PivotYearGuard pivot{1925};
};

TEST(DateValues, DaysCountFrom30December1899WithTimeOfThreeMinutes) {
    EXPECT_DOUBLE_EQ(EncodeDay(5, 3, 2007), 39146 + ThreeMinutes);
    EXPECT_DOUBLE_EQ(EncodeDay(30, 12, 1899), ThreeMinutes);
    // Before day 0 the time is subtracted from the whole part.
    EXPECT_DOUBLE_EQ(EncodeDay(29, 12, 1899), -1 - ThreeMinutes);
    EXPECT_DOUBLE_EQ(MinDate, -328716 - ThreeMinutes);
}

TEST(DateValues, UnreadableDateIsTheDayBeforeMinDate) {
    EXPECT_DOUBLE_EQ(UnreadableDate, MinDate - 1.0);
    EXPECT_DOUBLE_EQ(MustRead("01.01.1000"), MinDate);
    EXPECT_EQ(NullDate, -100000000.0);
}

TEST(DateValues, EncodeDayWithAZeroPartIsNullDate) {
    EXPECT_EQ(EncodeDay(0, 3, 2007), NullDate);
    EXPECT_EQ(EncodeDay(5, 0, 2007), NullDate);
    EXPECT_EQ(EncodeDay(5, 3, 0), NullDate);
}

TEST(DateValues, CalendarPartsOfTheSentinelsAreZero) {
    ExpectDay(NullDate, 0, 0, 0);
    ExpectDay(UnreadableDate, 0, 0, 0);
}

TEST(DateValues, CalendarPartsOfValuesOutsideTheCalendarAreZero) {
    ExpectDay(1e300, 0, 0, 0);
    ExpectDay(-1e300, 0, 0, 0);
    ExpectDay(std::numeric_limits<double>::quiet_NaN(), 0, 0, 0);
    EXPECT_EQ(FormatDateLong(std::numeric_limits<double>::infinity()), "");
    ExpectDay(2958465 + ThreeMinutes, 31, 12, 9999);
    ExpectDay(-693593 - ThreeMinutes, 1, 1, 1);
}

TEST(DateValues, DaysInMonthFollowsTheGregorianCalendar) {
    const int longMonths[] = {1, 3, 5, 7, 8, 10, 12};
    for (int month : longMonths)
        EXPECT_EQ(DaysInMonth(month, 2023), 31) << month;
    const int shortMonths[] = {4, 6, 9, 11};
    for (int month : shortMonths)
        EXPECT_EQ(DaysInMonth(month, 2023), 30) << month;
    EXPECT_EQ(DaysInMonth(2, 2023), 28);
    EXPECT_EQ(DaysInMonth(2, 2024), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
}

TEST_F(ReadDateWithPivot1925, TwoDigitYearsFollowThePivot) {
    ExpectDay(MustRead("05.03.07"), 5, 3, 2007);
    ExpectDay(MustRead("05.03.50"), 5, 3, 1950);
    ExpectDay(MustRead("05.03.24"), 5, 3, 2024);
    ExpectDay(MustRead("05.03.25"), 5, 3, 1925);
}

TEST_F(ReadDateWithPivot1925, EightDigitsAndFourDigitYears) {
    ExpectDay(MustRead("05032007"), 5, 3, 2007);
    ExpectDay(MustRead("05030049"), 5, 3, 49);
    ExpectDay(MustRead("05.03.2007"), 5, 3, 2007);
    EXPECT_DOUBLE_EQ(MustRead("05.03.2007"), 39146 + ThreeMinutes);
}

TEST_F(ReadDateWithPivot1925, LeapDays) {
    EXPECT_TRUE(Refused("29.02.2001"));
    ExpectDay(MustRead("29.02.2000"), 29, 2, 2000);
}

TEST_F(ReadDateWithPivot1925, PeriodWords) {
    ExpectDay(MustRead("FI.02.2004"), 29, 2, 2004);
    ExpectDay(MustRead("IN.11.2004"), 1, 11, 2004);
    ExpectDay(MustRead("FINE.2005"), 31, 12, 2005);
    ExpectDay(MustRead("INIZ2005"), 1, 1, 2005);
    ExpectDay(MustRead("INIZ.2005"), 1, 1, 2005);
    ExpectDay(MustRead("FINE2005"), 31, 12, 2005);
    ExpectDay(MustRead("FI022003"), 28, 2, 2003);
    ExpectDay(MustRead("IN112004"), 1, 11, 2004);
    // Two letters followed by the whole date: the letters only mark the kind.
    ExpectDay(MustRead("FI15022004"), 15, 2, 2004);
    ExpectDay(MustRead("IN15022004"), 15, 2, 2004);
}

TEST_F(ReadDateWithPivot1925, PeriodWordsAreUpperCaseOnly) {
    EXPECT_TRUE(Refused("fi.02.2004"));
    EXPECT_TRUE(Refused("iniz2005"));
}

TEST_F(ReadDateWithPivot1925, MalformedTextsAreRefused) {
    EXPECT_TRUE(Refused("5.3.2007"));
    EXPECT_TRUE(Refused("2007-03-05"));
    EXPECT_TRUE(Refused("1.1.07"));
    EXPECT_TRUE(Refused("05.13.2007"));
    EXPECT_TRUE(Refused("00.03.2007"));
    EXPECT_TRUE(Refused("05.03.0000"));
    EXPECT_TRUE(Refused("AB.03.2007"));
    EXPECT_TRUE(Refused("INXX2005"));    // third letter I or N needs INIZ or FINE
    EXPECT_TRUE(Refused("FIN.2005X"));   // nine characters must be INIZ. or FINE.
    EXPECT_TRUE(Refused("IN.11.2004.")); // eleven characters
    EXPECT_TRUE(Refused("IN1.2004"));    // a point in the eight-character period form
    EXPECT_TRUE(Refused("XX.11.2004"));
    EXPECT_TRUE(Refused("05.+3.2007"));
    EXPECT_TRUE(Refused("05. 3.2007"));
    EXPECT_TRUE(Refused("31.04.2007"));
}

TEST_F(ReadDateWithPivot1925, EmptyTextIsNullDate) {
    EXPECT_EQ(MustRead(""), NullDate);
    EXPECT_EQ(MustRead("  \t "), NullDate);
}

TEST_F(ReadDateWithPivot1925, SurroundingBlanksAndControlsAreTrimmed) {
    ExpectDay(MustRead(" \t05.03.2007\r "), 5, 3, 2007);
}

TEST(ReadDatePivot, DefaultPivotIs1950UntilStartUp) {
    // Start-up may have run in another test of this program; the default lives in the variable's definition.
    PivotYearGuard pivot(1950);
    ExpectDay(MustRead("05.03.49"), 5, 3, 2049);
    ExpectDay(MustRead("05.03.50"), 5, 3, 1950);
}

TEST(ReadDatePivot, StartUpPivotIsTheYearMinus75) {
    EXPECT_EQ(PivotYearForYear(2000), 1925);
    EXPECT_EQ(PivotYearForYear(2026), 1951);
    PivotYearGuard pivot(1950);
    InitPivotYearFromClock();
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(PivotYear, local->tm_year + 1900 - 75);
}

TEST(ReadDatePivot, CurrentTwoDigitYearsReadAsThisCenturyWithTheStartUpPivot) {
    PivotYearGuard pivot(PivotYearForYear(2026));
    ExpectDay(MustRead("05.03.26"), 5, 3, 2026);
    ExpectDay(MustRead("05.03.51"), 5, 3, 1951);
    ExpectDay(MustRead("05.03.50"), 5, 3, 2050);
    EXPECT_EQ(FormatDateShort(EncodeDay(1, 2, 2026)), "01.02.26");
}

TEST_F(ReadDateWithPivot1925, FormatDateShortInsideAndOutsideThePivotCentury) {
    EXPECT_EQ(FormatDateShort(EncodeDay(1, 2, 2024)), "01.02.24");
    EXPECT_EQ(FormatDateShort(EncodeDay(1, 2, 2025)), "01022025");
    EXPECT_EQ(FormatDateShort(EncodeDay(31, 12, 1924)), "31121924");
    EXPECT_EQ(FormatDateShort(EncodeDay(1, 1, 1925)), "01.01.25");
}

TEST_F(ReadDateWithPivot1925, FormatDateLongPadsWithZeros) {
    EXPECT_EQ(FormatDateLong(EncodeDay(5, 3, 2007)), "05.03.2007");
    EXPECT_EQ(FormatDateLong(EncodeDay(5, 3, 49)), "05.03.0049");
    EXPECT_EQ(FormatDateShort(EncodeDay(5, 3, 49)), "05030049");
}

TEST_F(ReadDateWithPivot1925, SentinelsPrintAsEmptyText) {
    EXPECT_EQ(FormatDateLong(NullDate), "");
    EXPECT_EQ(FormatDateLong(UnreadableDate), "");
    EXPECT_EQ(FormatDateShort(NullDate), "");
    EXPECT_EQ(FormatDateShort(UnreadableDate), "");
    EXPECT_EQ(DayOf(NullDate), 0);
    EXPECT_EQ(DayOf(UnreadableDate), 0);
}

TEST_F(ReadDateWithPivot1925, ReadAndFormatRoundTripIgnoresTheTime) {
    EXPECT_EQ(FormatDateLong(MustRead("31.12.1899")), "31.12.1899");
    EXPECT_EQ(FormatDateLong(MustRead("29.12.1899")), "29.12.1899");
    EXPECT_EQ(FormatDateLong(MustRead("01.01.1000")), "01.01.1000");
    EXPECT_EQ(FormatDateLong(MustRead("31.12.9999")), "31.12.9999");
}

} // namespace
