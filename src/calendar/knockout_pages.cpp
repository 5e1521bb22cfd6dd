#include "calendar/knockout_pages.h"

namespace KnockOutPages {

using CalenderParsing::CalendarPage;
using CalenderParsing::StageView;

const Listing juneListings[5] = {
    {24, " [Second-Round] Group A Winner vs Group B Runner-up - 24/06/2006 17:00 || Group C "
         "Winner vs Group D Runner-up - 24/06/2006 21:00"},
    {25, " [Second-Round] Group B Winner vs Group A Runner-up - 25/06/2006 17:00 || Group D "
         "Winner vs Group C Runner-up - 25/06/2006 21:00"},
    {26, " [Second-Round] Group E Winner vs Group F Runner-up - 26/06/2006 17:00 || Group G "
         "Winner vs Group H Runner-up - 26/06/2006 21:00"},
    {27, " [Second-Round] Group F Winner vs Group E Runner-up - 27/06/2006 17:00 || Group H "
         "Winner vs Group G Runner-up - 27/06/2006 21:00"},
    {30, " [Second-Round] (A Winner vs B Runner-up) vs (C Winner vs D Runner-up) - 30/06/2006 "
         "17:00 || (E Winner vs F Runner-up) vs (G Winner vs H Runner-up) - 30/06/2006 21:00"},
};

const Listing julyListings[5] = {
    {1, " [Quarter-Finals](B Winner vs A Runner-up) vs (D Winner vs C Runner-up) - 01/07/2006 "
        "17:00 || (F Winner vs E Runner-up) vs (H Winner vs G Runner-up) - 01/07/2006 21:00"},
    {4, " [Semi-Finals] (Winner of 30/06/2006 17:00) vs (Winner of 21:00) - 04/07/2006 17:00"},
    {5, " [Semi-Finals] (Winner of 01/07/2006 17:00) vs (Winner of 21:00) - 04/07/2006 21:00"},
    {8, " [Third Place] Semi-Final Loser vs Semi-Final Loser - 08/07/2006 21:00"},
    {9, " [Final] Semi-Final Winner vs Semi-Final Winner - 08/07/2006 20:00"},
};

namespace {

constexpr int lastJuneDay = 30;

void renumber(CalendarPage& page, int lastDay) {
    for (int d = 1; d <= lastDay; ++d) {
        page.day(d) = {CalenderParsing::bareDayText(d), false};
    }
}

void greyThirtyFirst(CalendarPage& page) {
    page.day(CalenderParsing::dayCount) = {"31.", true};
}

void append(CalendarPage& page, const Listing (&listings)[5]) {
    for (const Listing& listing : listings) {
        page.day(listing.day).text += listing.text;
    }
}

} // namespace

void groupButton(CalendarPage& page, const XMLParsing::GroupTables& tables,
                 std::string_view selector) {
    page.view = StageView::GroupStage;
    CalenderParsing::OpenCalender(page, tables, selector);
}

void Stage2(CalendarPage& page) {
    page.view = StageView::KnockOut;
    // The 31st keeps whatever it shows.
    renumber(page, lastJuneDay);
    append(page, page.title == CalenderParsing::julyTitle ? julyListings : juneListings);
}

void Stage1(CalendarPage& page, const XMLParsing::GroupTables& tables) {
    page.view = StageView::GroupStage;
    PrevMonth(page, tables);
}

void PrevMonth(CalendarPage& page, const XMLParsing::GroupTables& tables) {
    if (page.view == StageView::GroupStage) {
        groupButton(page, tables, CalenderParsing::allGroupsMarker);
        for (int d = 1; d <= lastJuneDay; ++d) {
            page.day(d).grey = false;
        }
        greyThirtyFirst(page);
        return;
    }
    // The June listing, under whatever title is on show.
    renumber(page, lastJuneDay);
    greyThirtyFirst(page);
    append(page, juneListings);
}

void NextMonth(CalendarPage& page) {
    if (page.view != StageView::GroupStage) {
        Stage2(page);
        return;
    }
    // July in the group-stage view: bare days, the 31st included.
    renumber(page, CalenderParsing::dayCount);
    page.title = CalenderParsing::julyTitle;
}

} // namespace KnockOutPages
