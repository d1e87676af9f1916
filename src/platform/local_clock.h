#pragma once

#include <ctime>

// A moment in the local time zone, with the offset from UTC in force then (daylight time included).
struct LocalTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    long utcOffsetMinutes = 0; // east of UTC is positive
};

LocalTime LocalTimeOf(std::time_t moment);
