#pragma once

#include "schedule/group_split.h"

#include <array>
#include <string>
#include <string_view>

// The calendar window's state as plain values: its title, its view and its
// 31 day cells. The window reads its elements into a page, a rule changes the
// page, and the window writes it back.
namespace CalenderParsing {

inline constexpr int dayCount = 31;
inline constexpr const char* allGroupsMarker = "Kim Dale";
inline constexpr const char* designTitle = "June - Group A Calender";
inline constexpr const char* allGroupsTitle = "June - All Groups Calender";
inline constexpr const char* julyTitle = "July - Knock-out Stages";

struct DayCell {
    std::string text; // the caption; the tooltip always repeats it
    bool grey = false;

    bool operator==(const DayCell&) const = default;
};

enum class StageView : short { GroupStage = 1, KnockOut = 2 };

struct CalendarPage {
    std::string title = designTitle;
    StageView view = StageView::GroupStage;
    std::array<DayCell, dayCount> days{};

    DayCell& day(int d) { return days[static_cast<std::size_t>(d - 1)]; }
    const DayCell& day(int d) const { return days[static_cast<std::size_t>(d - 1)]; }
    bool operator==(const CalendarPage&) const = default;
};

// "1." to "31.".
std::string bareDayText(int d);

// The title up to and including the blank before its first " -" ("June "),
// or "" when it has none.
std::string monthWord(std::string_view title);

// Renumbers the cells as the current title's month needs: June keeps the
// 31st's look, any other month makes all 31 cells normal.
void ResetDayGrid(CalendarPage& page);

// Writes one group's matches (group 'A' to 'H') into the cells of their days.
void FillGroupDays(CalendarPage& page, const XMLParsing::GroupTables& tables, char group);
void FillAllGroupDays(CalendarPage& page, const XMLParsing::GroupTables& tables);

// The June page for "(group a)" to "(group h)" in any letter case; any other
// text selects all groups.
void OpenCalender(CalendarPage& page, const XMLParsing::GroupTables& tables,
                  std::string_view selector);

} // namespace CalenderParsing
