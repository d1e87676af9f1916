#pragma once

#include <ctime>
#include <string>

// "D:yyyymmddhhmmss" + zone ("Z" or "+hh'mm'" / "-hh'mm'") for a moment in local time.
std::string FormatPDFDate(std::time_t moment);
// Zone part alone for an offset east of UTC in minutes.
std::string FormatPDFZone(long offsetMinutes);
// Local date-time as a day number counted from 30 December 1899, fractions for the time of day.
double LocalDayNumber(std::time_t moment);
// The current local date-time as that day number written as shortest decimal text.
std::string CurrentDayNumberText();
