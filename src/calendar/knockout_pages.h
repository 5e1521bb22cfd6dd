#pragma once

#include "calendar/calendar_page.h"

// The knock-out listings and the moves between the calendar's pages: the two
// month arrows and the two stage buttons.
namespace KnockOutPages {

// A knock-out text and the day cell it is appended to.
struct Listing {
    int day;
    const char* text;
};

extern const Listing juneListings[5];
extern const Listing julyListings[5];

// The group buttons: back to the group-stage view, then the group's June page.
void groupButton(CalenderParsing::CalendarPage& page, const XMLParsing::GroupTables& tables,
                 std::string_view selector);

// The knock-out view of the month the title names.
void Stage2(CalenderParsing::CalendarPage& page);
// The group-stage view: the June all-groups page.
void Stage1(CalenderParsing::CalendarPage& page, const XMLParsing::GroupTables& tables);
void PrevMonth(CalenderParsing::CalendarPage& page, const XMLParsing::GroupTables& tables);
void NextMonth(CalenderParsing::CalendarPage& page);

} // namespace KnockOutPages
