#include "util/dates.h"

#include <cmath>
#include <ctime>

#include "util/strings.h"

namespace {

// 00:03, the time every date built here carries (the minutes mark an ordinary day).
constexpr double OrdinaryDayTime = 3.0 / 1440.0;

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days from 1 January 1970 of a Gregorian date (any year, proleptic calendar).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// Day number 0 of the system's dates, 30 December 1899, counted from 1 January 1970.
constexpr long long DayZero = DaysFromCivil(1899, 12, 30);

struct CivilDate {
    int Year;
    int Month;
    int Day;
};

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (m <= 2 ? 1 : 0)), static_cast<int>(m), static_cast<int>(d)};
}

constexpr double EncodeDayValue(int day, int month, int year) {
    const double days = static_cast<double>(
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - DayZero);
    // Before day 0 the time of day is subtracted from the whole part.
    return days < 0 ? days - OrdinaryDayTime : days + OrdinaryDayTime;
}

// Day numbers of the first and last day the calendar routines accept (years 1 to 9999).
constexpr double FirstDayNumber = static_cast<double>(DaysFromCivil(1, 1, 1) - DayZero);
constexpr double LastDayNumber = static_cast<double>(DaysFromCivil(9999, 12, 31) - DayZero);

// Decodes a date value; false for the two sentinels and for values outside years 1 to 9999.
bool DecodeDate(TDateTime date, CivilDate& civil) {
    if (date == NullDate || date == UnreadableDate || !std::isfinite(date))
        return false;
    const double whole = std::trunc(date);
    if (whole < FirstDayNumber || whole > LastDayNumber)
        return false;
    civil = CivilFromDays(static_cast<long long>(whole) + DayZero);
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a part of a date text as a decimal integer: digits only, at least one.
bool ReadDatePart(const std::string& text, size_t start, size_t length, int& value) {
    if (length == 0)
        return false;
    value = 0;
    for (size_t i = start; i < start + length; ++i) {
        if (!IsDigit(text[i]))
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// Where the day, month and year stand in a date text. A day word (IN or FI) replaces the day part.
struct DateShape {
    enum class DayWord { None, First, Last };
    DayWord Word = DayWord::None;
    size_t DayStart = 0, DayLength = 0;
    int FixedDay = 0; // used when DayLength is 0 and no day word
    size_t MonthStart = 0, MonthLength = 0;
    int FixedMonth = 0; // used when MonthLength is 0
    size_t YearStart = 0, YearLength = 0;
};

bool HasPoint(const std::string& text) {
    return text.find('.') != std::string::npos;
}

bool PointsAt3And6(const std::string& text) {
    return text[2] == '.' && text[5] == '.';
}

// Day word of the two letters at the start: IN or FI.
bool StartWord(const std::string& text, DateShape::DayWord& word) {
    if (text.compare(0, 2, "IN") == 0) {
        word = DateShape::DayWord::First;
        return true;
    }
    if (text.compare(0, 2, "FI") == 0) {
        word = DateShape::DayWord::Last;
        return true;
    }
    return false;
}

bool PickShape(const std::string& text, DateShape& shape) {
    const size_t length = text.size();
    const char first = text[0];
    const bool periodLetter = first == 'I' || first == 'F';
    if (length == 8) {
        if (IsDigit(first)) {
            if (PointsAt3And6(text)) {
                shape = {DateShape::DayWord::None, 0, 2, 0, 3, 2, 0, 6, 2};
                return true;
            }
            if (!HasPoint(text)) {
                shape = {DateShape::DayWord::None, 0, 2, 0, 2, 2, 0, 4, 4};
                return true;
            }
            return false;
        }
        if (!periodLetter)
            return false;
        if (text.compare(0, 4, "INIZ") == 0) {
            shape = {DateShape::DayWord::None, 0, 0, 1, 0, 0, 1, 4, 4};
            return true;
        }
        if (text.compare(0, 4, "FINE") == 0) {
            shape = {DateShape::DayWord::None, 0, 0, 31, 0, 0, 12, 4, 4};
            return true;
        }
        DateShape::DayWord word;
        if (!StartWord(text, word) || text[2] == 'I' || text[2] == 'N' || HasPoint(text))
            return false;
        shape = {word, 0, 0, 0, 2, 2, 0, 4, 4};
        return true;
    }
    if (length == 9) {
        if (text.compare(0, 5, "INIZ.") == 0) {
            shape = {DateShape::DayWord::First, 0, 0, 0, 0, 0, 1, 5, 4};
            return true;
        }
        if (text.compare(0, 5, "FINE.") == 0) {
            shape = {DateShape::DayWord::Last, 0, 0, 0, 0, 0, 12, 5, 4};
            return true;
        }
        return false;
    }
    if (length == 10) {
        if (IsDigit(first)) {
            if (!PointsAt3And6(text))
                return false;
            shape = {DateShape::DayWord::None, 0, 2, 0, 3, 2, 0, 6, 4};
            return true;
        }
        if (!periodLetter)
            return false;
        DateShape::DayWord word;
        if (!StartWord(text, word))
            return false;
        if (PointsAt3And6(text)) {
            shape = {word, 0, 0, 0, 3, 2, 0, 6, 4};
            return true;
        }
        if (!HasPoint(text)) {
            // The letters only mark the kind of date; the day is written out.
            shape = {DateShape::DayWord::None, 2, 2, 0, 4, 2, 0, 6, 4};
            return true;
        }
        return false;
    }
    return false;
}

} // namespace

const TDateTime MinDate = EncodeDayValue(1, 1, 1000);
const TDateTime UnreadableDate = EncodeDayValue(1, 1, 1000) - 1.0;
int PivotYear = 1950;

int PivotYearForYear(int calendarYear) {
    return calendarYear - 75;
}

void InitPivotYearFromClock() {
    const std::time_t now = std::time(nullptr);
    // Read once at start, before any other thread exists.
    if (const std::tm* local = std::localtime(&now))
        PivotYear = PivotYearForYear(local->tm_year + 1900);
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    default:
        return 0;
    }
}

TDateTime EncodeDay(int day, int month, int year) {
    if (day == 0 || month == 0 || year == 0)
        return NullDate;
    return EncodeDayValue(day, month, year);
}

bool ReadDate(const std::string& rawText, TDateTime& date) {
    const std::string text = TrimControl(rawText);
    if (text.empty()) {
        date = NullDate;
        return true;
    }
    DateShape shape;
    if (!PickShape(text, shape))
        return false;

    int month = shape.FixedMonth;
    if (shape.MonthLength > 0 && !ReadDatePart(text, shape.MonthStart, shape.MonthLength, month))
        return false;
    int year = 0;
    if (!ReadDatePart(text, shape.YearStart, shape.YearLength, year))
        return false;
    int day = shape.FixedDay;
    if (shape.Word == DateShape::DayWord::None && shape.DayLength > 0 &&
        !ReadDatePart(text, shape.DayStart, shape.DayLength, day))
        return false;

    if (shape.YearLength == 2 && year < 100) {
        const int century = PivotYear / 100;
        const int rest = PivotYear % 100;
        year = year < rest ? (century + 1) * 100 + year : century * 100 + year;
    }
    if (year < 1 || year > 9999 || month < 1 || month > 12)
        return false;
    if (shape.Word == DateShape::DayWord::First)
        day = 1;
    else if (shape.Word == DateShape::DayWord::Last)
        day = DaysInMonth(month, year);
    if (day < 1 || day > DaysInMonth(month, year))
        return false;
    date = EncodeDay(day, month, year);
    return true;
}

namespace {

void AppendDigits(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<size_t>(width) - digits.size(), '0');
    out += digits;
}

} // namespace

std::string FormatDateLong(TDateTime date) {
    CivilDate civil{};
    if (!DecodeDate(date, civil))
        return {};
    std::string text;
    AppendDigits(text, civil.Day, 2);
    text += '.';
    AppendDigits(text, civil.Month, 2);
    text += '.';
    AppendDigits(text, civil.Year, 4);
    return text;
}

std::string FormatDateShort(TDateTime date) {
    CivilDate civil{};
    if (!DecodeDate(date, civil))
        return {};
    std::string text;
    if (civil.Year >= PivotYear && civil.Year <= PivotYear + 99) {
        AppendDigits(text, civil.Day, 2);
        text += '.';
        AppendDigits(text, civil.Month, 2);
        text += '.';
        AppendDigits(text, civil.Year % 100, 2);
    } else {
        AppendDigits(text, civil.Day, 2);
        AppendDigits(text, civil.Month, 2);
        AppendDigits(text, civil.Year, 4);
    }
    return text;
}

int DayOf(TDateTime date) {
    CivilDate civil{};
    return DecodeDate(date, civil) ? civil.Day : 0;
}

int MonthOf(TDateTime date) {
    CivilDate civil{};
    return DecodeDate(date, civil) ? civil.Month : 0;
}

int YearOf(TDateTime date) {
    CivilDate civil{};
    return DecodeDate(date, civil) ? civil.Year : 0;
}
