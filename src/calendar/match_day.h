#pragma once

#include "common/twips.h"

#include <string>
#include <string_view>
#include <vector>

// What the match day window shows of one day text, and how it shrinks away.
namespace MatchDay {

inline constexpr int maxRows = 5;

struct MatchRow {
    std::string time;
    std::string team1;
    std::string team2;

    bool operator==(const MatchRow&) const = default;
};

struct DayMatches {
    std::string date; // of the first entry
    std::vector<MatchRow> rows;

    bool operator==(const DayMatches&) const = default;
};

// Reads at most five entries of a calendar day text. Reading stops at the
// first entry that lacks " vs ", " - " or the blank after its date: the
// entries before it are kept, so a text with no whole entry gives no rows.
DayMatches readDayText(std::string_view dayText);

// The window's height in twips for 1 to 5 rows in use; 0 for any other count.
int windowHeight(int rows);

struct ShrinkStep {
    int width;
    int height;
    bool unload;

    bool operator==(const ShrinkStep&) const = default;
};

// Where the window opens: to the right of the calendar, or to its left when
// the screen has no room there.
TwipsRect besideCalendar(const TwipsRect& calendar, int rows, int screenWidth);

// One tick of the close animation.
ShrinkStep shrinkStep(int width, int height, bool animated);

} // namespace MatchDay
