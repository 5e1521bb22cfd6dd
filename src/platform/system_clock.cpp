#include "platform/system_clock.h"

#include <ctime>

LocalDateTime SystemClock::now() const {
    timespec moment{};
    clock_gettime(CLOCK_REALTIME, &moment);
    std::tm local{};
    localtime_r(&moment.tv_sec, &local);
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(moment.tv_nsec / 1000000)};
}
