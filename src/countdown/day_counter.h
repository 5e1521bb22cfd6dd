#pragma once

#include "common/civil_date.h"

#include <string>

// The opening match: 9 June 2006.
inline constexpr CivilDate openingMatchDay{2006, 6, 9};

struct DayCounterText {
    std::string caption;
    std::string tooltip;
};

// From the day before the opening on, the bar announces the next match;
// before that it counts the days.
DayCounterText dayCounter(const CivilDate& today);
