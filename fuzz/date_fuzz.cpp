// The date reader on any text: it accepts only digits around two slashes,
// what it accepts is a real day, and written back it reads the same.
#include "common/civil_date.h"
#include "fuzz_check.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = inputText(data, size);
    const auto date = parseDayMonthYear(text);
    if (!date) {
        return 0;
    }
    check(text.find_first_not_of("0123456789/") == std::string_view::npos && isValidDate(*date));
    char written[16];
    std::snprintf(written, sizeof written, "%02d/%02d/%04d", date->day, date->month, date->year);
    check(parseDayMonthYear(written) == date);
    return 0;
}
