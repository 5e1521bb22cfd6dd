#include "calendar/hover_line.h"

#include "calendar/calendar_page.h"
#include "common/civil_date.h"
#include "common/text_search.h"

#include <charconv>

namespace CalenderParsing {

namespace {

constexpr int tournamentYear = 2006;

int monthNamed(std::string_view word) {
    return word == "June " ? 6 : word == "July " ? 7 : 0;
}

// The digits before the cell's first ".", or 0.
int dayNumberOf(std::string_view dayText) {
    const auto point = findFrom(dayText, ".");
    if (!point) {
        return 0;
    }
    int day = 0;
    const char* end = dayText.data() + *point;
    const auto [ptr, ec] = std::from_chars(dayText.data(), end, day);
    return ec == std::errc{} && ptr == end ? day : 0;
}

const char* suffixOf(int index) {
    // 11, 12 and 13 go like 1, 2 and 3.
    switch (index % 10) {
    case 1:
        return "st. ";
    case 2:
        return "nd. ";
    case 3:
        return "rd. ";
    default:
        return "th. ";
    }
}

} // namespace

std::optional<std::string> hoverLine(std::string_view title, int index, std::string_view dayText,
                                     bool grey) {
    if (index == dayCount && grey) {
        return std::nullopt;
    }
    const std::string word = monthWord(title);
    const CivilDate date{tournamentYear, monthNamed(word), dayNumberOf(dayText)};
    if (!isValidDate(date)) {
        return std::nullopt;
    }
    static const char* const weekdays[] = {"Thursday ", "Friday ",  "Saturday ", "Sunday ",
                                           "Monday ",   "Tuesday ", "Wednesday "};
    // Day 0 of the day numbers, 1 January 1970, was a Thursday.
    const std::string weekday = weekdays[dayNumber(date) % 7];
    return weekday + std::to_string(index) + suffixOf(index) + word;
}

} // namespace CalenderParsing
