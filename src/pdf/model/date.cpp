#include "pdf/model/date.h"

#include <charconv>
#include <cstdlib>
#include <time.h>

namespace {

// Days from 1 January 1970 to a civil date (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// 30 December 1899 counted from 1 January 1970.
constexpr long long kDayNumberEpoch = -25569;

void AppendTwoDigits(std::string& out, long value) {
    out += static_cast<char>('0' + (value / 10) % 10);
    out += static_cast<char>('0' + value % 10);
}

void AppendPadded(std::string& out, long value, int width) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    for (long pad = width - (result.ptr - buffer); pad > 0; --pad)
        out += '0';
    out.append(buffer, result.ptr);
}

} // namespace

std::string FormatPDFZone(long offsetMinutes) {
    if (offsetMinutes == 0)
        return "Z";
    std::string out(1, offsetMinutes > 0 ? '+' : '-');
    long magnitude = std::labs(offsetMinutes);
    AppendTwoDigits(out, magnitude / 60);
    out += '\'';
    AppendTwoDigits(out, magnitude % 60);
    out += '\'';
    return out;
}

std::string FormatPDFDate(std::time_t moment) {
    struct tm local {};
    localtime_r(&moment, &local);
    std::string out = "D:";
    AppendPadded(out, local.tm_year + 1900L, 4);
    AppendTwoDigits(out, local.tm_mon + 1);
    AppendTwoDigits(out, local.tm_mday);
    AppendTwoDigits(out, local.tm_hour);
    AppendTwoDigits(out, local.tm_min);
    AppendTwoDigits(out, local.tm_sec);
    // tm_gmtoff is seconds east of UTC with daylight time already applied.
    out += FormatPDFZone(local.tm_gmtoff / 60);
    return out;
}

double LocalDayNumber(std::time_t moment) {
    struct tm local {};
    localtime_r(&moment, &local);
    long long days = DaysFromCivil(local.tm_year + 1900LL, static_cast<unsigned>(local.tm_mon + 1),
                                   static_cast<unsigned>(local.tm_mday)) -
                     kDayNumberEpoch;
    double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return static_cast<double>(days) + seconds / 86400.0;
}

std::string CurrentDayNumberText() {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    double day = LocalDayNumber(now.tv_sec) + (now.tv_nsec / 1000000) / 86400000.0;
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, day);
    return std::string(buffer, result.ptr);
}
