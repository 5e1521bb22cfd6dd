#include "calendar/match_day.h"

#include "common/text_search.h"

#include <algorithm>

namespace MatchDay {

DayMatches readDayText(std::string_view dayText) {
    DayMatches day;
    auto start = findFrom(dayText, ". ");
    if (!start) {
        return day;
    }
    std::size_t p = *start + 2;
    while (day.rows.size() < maxRows) {
        const auto vs = findFrom(dayText, " vs ", p);
        const auto dash = vs ? findFrom(dayText, " - ", *vs + 4) : std::nullopt;
        const auto dateEnd = dash ? findFrom(dayText, " ", *dash + 3) : std::nullopt;
        if (!dateEnd) {
            break;
        }
        // The time runs to the entry's closing blank (or the end of the text).
        const std::size_t timeStart = *dateEnd + 1;
        const std::size_t timeEnd = findFrom(dayText, " ", timeStart).value_or(dayText.size());
        if (day.rows.empty()) {
            day.date = dayText.substr(*dash + 3, *dateEnd - (*dash + 3));
        }
        day.rows.push_back({std::string(dayText.substr(timeStart, timeEnd - timeStart)),
                            std::string(dayText.substr(p, *vs - p)),
                            std::string(dayText.substr(*vs + 4, *dash - (*vs + 4)))});
        // Both separators, "|| " after the closing blank and " || ", hold " || ".
        const auto next = findFrom(dayText, " || ", timeEnd);
        if (!next) {
            break;
        }
        p = *next + 4;
    }
    return day;
}

int windowHeight(int rows) {
    static constexpr int heights[maxRows] = {1485, 2595, 3750, 4830, 5955};
    return rows >= 1 && rows <= maxRows ? heights[rows - 1] : 0;
}

TwipsRect besideCalendar(const TwipsRect& calendar, int rows, int screenWidth) {
    constexpr int width = 2175;
    TwipsRect place{calendar.left + calendar.width, calendar.top, width, windowHeight(rows)};
    if (place.left + width > screenWidth) {
        place.left = std::max(0, calendar.left - width);
    }
    return place;
}

ShrinkStep shrinkStep(int width, int height, bool animated) {
    constexpr int step = 20;
    if (!animated) {
        return {width, height, true};
    }
    if (width <= step) {
        return {0, 0, true};
    }
    // A window shorter than it is wide runs out of height first.
    if (height - step < 0) {
        return {width, height, true};
    }
    return {width - step, height - step, false};
}

} // namespace MatchDay
