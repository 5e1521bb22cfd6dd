// The date reader on any text: it accepts only digits around two slashes,
// what it accepts is a real day, and written back it reads the same.
#include "common/civil_date.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = parseDayMonthYear(text);
    if (!date) {
        return 0;
    }
    if (text.find_first_not_of("0123456789/") != std::string_view::npos || !isValidDate(*date) ||
        daysBetween(*date, *date) != 0) {
        std::abort();
    }
    char written[16];
    std::snprintf(written, sizeof written, "%02d/%02d/%04d", date->day, date->month, date->year);
    if (parseDayMonthYear(written) != date) {
        std::abort();
    }
    return 0;
}
