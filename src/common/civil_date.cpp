#include "common/civil_date.h"

#include <charconv>

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

// Parses a run of 1 to maxDigits digits; nothing when the text is anything else.
std::optional<int> parseDigits(std::string_view text, std::size_t minDigits,
                               std::size_t maxDigits) {
    if (text.size() < minDigits || text.size() > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool isValidDate(const CivilDate& date) {
    return date.year >= 1 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

long long dayNumber(const CivilDate& date) {
    // Howard Hinnant's days_from_civil.
    const long long y = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long m = date.month;
    const long long dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

long long daysBetween(const CivilDate& from, const CivilDate& to) {
    return dayNumber(to) - dayNumber(from);
}

std::optional<CivilDate> parseDayMonthYear(std::string_view text) {
    const auto firstSlash = text.find('/');
    if (firstSlash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto secondSlash = text.find('/', firstSlash + 1);
    if (secondSlash == std::string_view::npos) {
        return std::nullopt;
    }
    const auto day = parseDigits(text.substr(0, firstSlash), 1, 2);
    const auto month = parseDigits(text.substr(firstSlash + 1, secondSlash - firstSlash - 1), 1, 2);
    const auto year = parseDigits(text.substr(secondSlash + 1), 4, 4);
    if (!day || !month || !year) {
        return std::nullopt;
    }
    const CivilDate date{*year, *month, *day};
    if (!isValidDate(date)) {
        return std::nullopt;
    }
    return date;
}

std::optional<int> parseTimeOfDay(std::string_view text) {
    const auto firstColon = text.find(':');
    if (firstColon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view rest = text.substr(firstColon + 1);
    const auto secondColon = rest.find(':');
    const auto hour = parseDigits(text.substr(0, firstColon), 1, 2);
    const auto minute = parseDigits(rest.substr(0, secondColon), 2, 2);
    const auto second = secondColon == std::string_view::npos
                            ? std::optional<int>(0)
                            : parseDigits(rest.substr(secondColon + 1), 2, 2);
    if (!hour || !minute || !second || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59 ||
        *second < 0 || *second > 59) {
        return std::nullopt;
    }
    return *hour * 3600 + *minute * 60 + *second;
}
