#include "platform/local_clock.h"

#include <time.h>

LocalTime LocalTimeOf(std::time_t moment) {
    struct tm local {};
    if (localtime_s(&local, &moment) != 0)
        return {};
    // The local fields read back as UTC give the offset, daylight time included.
    struct tm copy = local;
    const std::time_t asUtc = _mkgmtime(&copy);
    const long offset = asUtc == static_cast<std::time_t>(-1) ? 0 : static_cast<long>((asUtc - moment) / 60);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     offset};
}
