#include "countdown/day_counter.h"

DayCounterText dayCounter(const CivilDate& today) {
    DayCounterText text;
    const long long dayCount = daysBetween(today, openingMatchDay);
    if (dayCount < 2) {
        text.caption = "The next match is...";
        text.tooltip = text.caption;
    } else {
        const std::string days = std::to_string(dayCount);
        text.caption = days + " Days left until 09/06/06";
        text.tooltip = "There are " + days + " days left until the start of the 2006 World Cup.";
    }
    return text;
}
