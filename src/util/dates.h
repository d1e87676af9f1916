#pragma once

// Dates of the system: 64-bit floats counting days since 30 December 1899, the fraction being the time
// of day (for days before 30 December 1899 the fraction is subtracted from the whole part). Every date
// built here carries the time 00:03, whose minutes mark an ordinary day.

#include <string>

// Number of days since 30 December 1899 plus the time of day.
using TDateTime = double;

// No date at all.
inline constexpr TDateTime NullDate = -100000000.0;

// 1 January 1000 at 00:03, the earliest date the system deals with.
extern const TDateTime MinDate;

// A date text that did not read: the day before MinDate. Prints as empty text, like NullDate.
extern const TDateTime UnreadableDate;

// Base of the two-digit years: yy stands for the year in PivotYear .. PivotYear + 99 that ends in yy.
// Process-wide; 1950 until start-up calls InitPivotYearFromClock().
extern int PivotYear;

// The pivot start-up uses: the given calendar year minus 75, so that the current year and the 74
// before it read and print with two digits.
int PivotYearForYear(int calendarYear);

// Sets PivotYear to the current local calendar year minus 75. Called once at start-up.
void InitPivotYearFromClock();

// Reads a date text (dd.mm.yy, ddmmyyyy, dd.mm.yyyy and the INIZ/FINE/IN/FI period forms).
// Empty text (after trimming) succeeds with NullDate. Returns false for a text that is not a date.
bool ReadDate(const std::string& text, TDateTime& date);

// dd.mm.yyyy; empty for NullDate, UnreadableDate and values that are not dates of years 1 to 9999.
std::string FormatDateLong(TDateTime date);

// dd.mm.yy when the year lies in PivotYear .. PivotYear + 99, otherwise ddmmyyyy; empty for NullDate,
// UnreadableDate and values that are not dates of years 1 to 9999.
std::string FormatDateShort(TDateTime date);

// Calendar parts of a date; 0 for NullDate, UnreadableDate and values that are not dates of years 1 to 9999.
int DayOf(TDateTime date);
int MonthOf(TDateTime date);
int YearOf(TDateTime date);

// Days of the month in the Gregorian calendar (0 for a month outside 1 to 12).
int DaysInMonth(int month, int year);

// The date of that day at 00:03; NullDate when any of the three is 0.
TDateTime EncodeDay(int day, int month, int year);
