#include "platform/local_clock.h"

LocalTime LocalTimeOf(std::time_t moment) {
    struct tm local {};
    localtime_r(&moment, &local);
    // tm_gmtoff is seconds east of UTC with daylight time already applied.
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,       local.tm_hour,
            local.tm_min,         local.tm_sec,     local.tm_gmtoff / 60};
}
