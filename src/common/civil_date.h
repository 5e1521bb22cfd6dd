#pragma once

#include <compare>
#include <optional>
#include <string_view>

// A calendar day and a local moment, free of any time zone library: the
// program only ever compares local dates and counts day boundaries.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;

    auto operator<=>(const CivilDate&) const = default;
};

struct LocalDateTime {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    auto operator<=>(const LocalDateTime&) const = default;
};

bool isValidDate(const CivilDate& date);

// Days since 1 January 1970 of a valid date (proleptic Gregorian calendar).
long long dayNumber(const CivilDate& date);

// Whole day boundaries from `from` to `to`: positive when `to` is later.
long long daysBetween(const CivilDate& from, const CivilDate& to);

// Reads "dd/mm/yyyy" (one or two digit day and month, four digit year).
// Anything else, or a day that does not exist, gives nothing.
std::optional<CivilDate> parseDayMonthYear(std::string_view text);

// Reads "hh:mm" (one or two digit hour, two digit minutes), optionally ":ss",
// as seconds since midnight. Anything else, or a time that does not exist,
// gives nothing.
std::optional<int> parseTimeOfDay(std::string_view text);
