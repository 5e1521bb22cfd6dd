#include "calendar/hover_line.h"
#include "calendar/knockout_pages.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace CalenderParsing;

namespace {

XMLParsing::GroupTables siteTables() {
    XMLParsing::GroupTables tables;
    XMLParsing::splitGroups(siteSchedule(), tables);
    return tables;
}

CalendarPage opened(const XMLParsing::GroupTables& tables, std::string_view selector) {
    CalendarPage page;
    page.day(dayCount).grey = true; // as the window is designed
    OpenCalender(page, tables, selector);
    return page;
}

std::vector<int> daysWithEntries(const CalendarPage& page) {
    std::vector<int> days;
    for (int d = 1; d <= dayCount; ++d) {
        if (page.day(d).text != bareDayText(d)) {
            days.push_back(d);
        }
    }
    return days;
}

} // namespace

TEST(CalendarDayLists, GroupPagesSelectorsAndSeparators) {
    const auto tables = siteTables();
    const CalendarPage page = opened(tables, "(GrOuP a)");
    EXPECT_EQ(page.title, "June - Group A Calender");
    EXPECT_EQ(daysWithEntries(page), (std::vector<int>{9, 14, 15, 20}));
    EXPECT_EQ(page.day(20).text, "20. Ecuador vs Germany - 20/06/2006 16:00 || Costa rica vs "
                                 "Poland - 20/06/2006 16:00 ");
    CalendarPage again = page;
    OpenCalender(again, tables, "(group a)");
    EXPECT_EQ(again, page);
    for (const char* selector : {" (group b)", "", "Kim Dale", "(group i)", "(group b"}) {
        EXPECT_EQ(opened(tables, selector).title, allGroupsTitle) << selector;
    }
    // Group A is written first and joins with "|| "; the others join with " || ".
    const CalendarPage all = opened(tables, "Kim Dale");
    EXPECT_TRUE(all.day(9).text.starts_with("9. Germany vs Costa rica - 09/06/2006 18:00 || "));
    EXPECT_NE(all.day(10).text.find("18:00  || Argentina vs"), std::string::npos);
}

TEST(CalendarDayLists, EightSlotsAndDatesThatNameNoDay) {
    XMLParsing::GroupTables tables;
    const char* dates[] = {"12/06/2006", "1x/06/2006", "32/06/2006", "00/06/2006",
                           "x1/06/2006", "5",          "12/06/2006", "12/06/2006"};
    for (int n = 1; n <= 8; ++n) {
        *tables.mutableSlot('C', n) = {"T", "U", dates[n - 1], "18:00", "S"};
    }
    const CalendarPage page = opened(tables, "(group c)");
    EXPECT_EQ(daysWithEntries(page), (std::vector<int>{1, 5, 12}));
    EXPECT_EQ(page.day(12).text, "12. T vs U - 12/06/2006 18:00  || T vs U - 12/06/2006 18:00  "
                                 "|| T vs U - 12/06/2006 18:00 ");
}

namespace {

// "A 2 june grey": the title's group (or "All", "July"), the view, what the
// cells hold beyond their day numbers, and whether the 31st is grey.
std::string factsOf(const CalendarPage& page) {
    const std::string title = page.title == julyTitle        ? "July"
                              : page.title == allGroupsTitle ? "All"
                                                             : page.title.substr(13, 1);
    std::string cells = daysWithEntries(page).empty() ? "bare" : "groups";
    for (auto [listings, name] : {std::pair{&KnockOutPages::juneListings, "june"},
                                  std::pair{&KnockOutPages::julyListings, "july"}}) {
        CalendarPage expected = page;
        for (int d = 1; d <= dayCount; ++d) {
            expected.day(d).text = bareDayText(d);
        }
        for (const KnockOutPages::Listing& listing : *listings) {
            expected.day(listing.day).text += listing.text;
        }
        cells = expected.days == page.days ? name : cells;
    }
    return title + (page.view == StageView::GroupStage ? " 1 " : " 2 ") + cells +
           (page.day(dayCount).grey ? " grey" : "");
}

} // namespace

TEST(KnockOutPages, EveryTransition) {
    const auto tables = siteTables();
    // From the group A page: N next, P previous, 1 and 2 the stages, B group B.
    const std::map<char, std::function<void(CalendarPage&)>> moveBy{
        {'N', KnockOutPages::NextMonth},
        {'2', KnockOutPages::Stage2},
        {'P', [&](CalendarPage& p) { KnockOutPages::PrevMonth(p, tables); }},
        {'1', [&](CalendarPage& p) { KnockOutPages::Stage1(p, tables); }},
        {'B', [&](CalendarPage& p) { KnockOutPages::groupButton(p, tables, "(group B)"); }}};
    const std::pair<const char*, const char*> rows[] = {
        {"", "A 1 groups grey"},      {"N", "July 1 bare"},         {"P", "All 1 groups grey"},
        {"1", "All 1 groups grey"},   {"2", "A 2 june grey"},       {"NN", "July 1 bare"},
        {"NP", "All 1 groups grey"},  {"N1", "All 1 groups grey"},  {"N2", "July 2 july"},
        {"NB", "B 1 groups"},         {"2N", "A 2 june grey"},      {"2P", "A 2 june grey"},
        {"21", "All 1 groups grey"},  {"22", "A 2 june grey"},      {"2B", "B 1 groups grey"},
        {"NB2", "B 2 june"},          {"NB2P", "B 2 june grey"},    {"N2N", "July 2 july"},
        {"N2P", "July 2 june grey"},  {"N21", "All 1 groups grey"}, {"N22", "July 2 july"},
        {"N2PN", "July 2 july grey"}, {"N2PP", "July 2 june grey"}, {"N2P1", "All 1 groups grey"},
        {"N2P2", "July 2 july grey"},
    };
    for (auto [moves, facts] : rows) {
        CalendarPage page = opened(tables, "(group a)");
        for (const char* move = moves; *move; ++move) {
            moveBy.at (*move)(page);
        }
        EXPECT_EQ(factsOf(page), facts) << moves;
    }
}

TEST(CalendarHoverLine, NamesTheDayUnderTheMouse) {
    const char* june = designTitle;
    EXPECT_EQ(hoverLine(june, 9, "9. Germany vs Costa rica - 09/06/2006 18:00 ", false),
              "Friday 9th. June ");
    EXPECT_EQ(hoverLine(june, 11, "11.", false), "Sunday 11st. June ");
    EXPECT_EQ(hoverLine(june, 22, "22.", false), "Thursday 22nd. June ");
    EXPECT_EQ(hoverLine(june, 23, "23.", false), "Friday 23rd. June ");
    EXPECT_EQ(hoverLine(julyTitle, 1, "1. [Quarter-Finals]", false), "Saturday 1st. July ");
    EXPECT_EQ(hoverLine(julyTitle, 31, "31.", false), "Monday 31st. July ");
    // June's 31st, grey or not, a title with no month word, a cell with no number.
    for (auto [title, text, grey] : {std::tuple{june, "31.", true},
                                     {june, "31.", false},
                                     {"Calendar", "31.", false},
                                     {june, "day", false}}) {
        EXPECT_EQ(hoverLine(title, 31, text, grey), std::nullopt) << title << text;
    }
}
