#include "pdf/model/date.h"

#include <charconv>
#include <chrono>
#include <cstdlib>

#include "platform/local_clock.h"

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
    const LocalTime local = LocalTimeOf(moment);
    std::string out = "D:";
    AppendPadded(out, local.year, 4);
    AppendTwoDigits(out, local.month);
    AppendTwoDigits(out, local.day);
    AppendTwoDigits(out, local.hour);
    AppendTwoDigits(out, local.minute);
    AppendTwoDigits(out, local.second);
    out += FormatPDFZone(local.utcOffsetMinutes);
    return out;
}

double LocalDayNumber(std::time_t moment) {
    const LocalTime local = LocalTimeOf(moment);
    long long days =
        DaysFromCivil(local.year, static_cast<unsigned>(local.month), static_cast<unsigned>(local.day)) -
        kDayNumberEpoch;
    double seconds = local.hour * 3600.0 + local.minute * 60.0 + local.second;
    return static_cast<double>(days) + seconds / 86400.0;
}

std::string CurrentDayNumberText() {
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto seconds = static_cast<std::time_t>(sinceEpoch / 1000);
    double day = LocalDayNumber(seconds) + static_cast<double>(sinceEpoch % 1000) / 86400000.0;
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, day);
    return std::string(buffer, result.ptr);
}
