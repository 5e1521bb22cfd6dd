#include "calendar/hover_line.h"
#include "calendar/knockout_pages.h"
#include "calendar/match_day.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

using namespace CalenderParsing;

namespace {

// The knock-out cells of each month, every text whole.
const std::string juneKnockOut =
    "24. [Second-Round] Group A Winner vs Group B Runner-up - 24/06/2006 17:00 || Group C Winner "
    "vs Group D Runner-up - 24/06/2006 21:00"
    "25. [Second-Round] Group B Winner vs Group A Runner-up - 25/06/2006 17:00 || Group D Winner "
    "vs Group C Runner-up - 25/06/2006 21:00"
    "26. [Second-Round] Group E Winner vs Group F Runner-up - 26/06/2006 17:00 || Group G Winner "
    "vs Group H Runner-up - 26/06/2006 21:00"
    "27. [Second-Round] Group F Winner vs Group E Runner-up - 27/06/2006 17:00 || Group H Winner "
    "vs Group G Runner-up - 27/06/2006 21:00"
    "30. [Second-Round] (A Winner vs B Runner-up) vs (C Winner vs D Runner-up) - 30/06/2006 17:00 "
    "|| (E Winner vs F Runner-up) vs (G Winner vs H Runner-up) - 30/06/2006 21:00";
const std::string julyKnockOut =
    "1. [Quarter-Finals](B Winner vs A Runner-up) vs (D Winner vs C Runner-up) - 01/07/2006 17:00 "
    "|| (F Winner vs E Runner-up) vs (H Winner vs G Runner-up) - 01/07/2006 21:00"
    "4. [Semi-Finals] (Winner of 30/06/2006 17:00) vs (Winner of 21:00) - 04/07/2006 17:00"
    "5. [Semi-Finals] (Winner of 01/07/2006 17:00) vs (Winner of 21:00) - 04/07/2006 21:00"
    "8. [Third Place] Semi-Final Loser vs Semi-Final Loser - 08/07/2006 21:00"
    "9. [Final] Semi-Final Winner vs Semi-Final Winner - 08/07/2006 20:00";

// "A2june31": the title's group ('*' all groups, 'J' July), the view, what the
// cells hold beyond their day numbers, and the grey days.
std::string factsOf(const CalendarPage& page) {
    std::string texts, grey;
    for (int d = 1; d <= dayCount; ++d) {
        texts += page.day(d).text != bareDayText(d) ? page.day(d).text : "";
        grey += page.day(d).grey ? std::to_string(d) : "";
    }
    const char title = page.title == julyTitle        ? 'J'
                       : page.title == allGroupsTitle ? '*'
                                                      : page.title[13];
    const char* cells = texts.empty()           ? "bare"
                        : texts == juneKnockOut ? "june"
                        : texts == julyKnockOut ? "july"
                                                : "groups";
    return title + std::string(page.view == StageView::GroupStage ? "1" : "2") + cells + grey;
}

} // namespace

TEST(KnockOutPages, EveryTransition) {
    const auto tables = siteTables();
    // From the group A page: N next, P previous, 1 and 2 the stages, B group B.
    const auto move = [&](CalendarPage& p, char m) {
        m == 'N'   ? KnockOutPages::NextMonth(p)
        : m == '2' ? KnockOutPages::Stage2(p)
        : m == 'P' ? KnockOutPages::PrevMonth(p, tables)
        : m == '1' ? KnockOutPages::Stage1(p, tables)
                   : KnockOutPages::groupButton(p, tables, "(group B)");
    };
    const std::pair<const char*, const char*> rows[] = {
        {"", "A1groups31"},   {"N", "J1bare"},      {"P", "*1groups31"}, {"1", "*1groups31"},
        {"NP", "*1groups31"}, {"2", "A2june31"},    {"N2", "J2july"},    {"2N", "A2june31"},
        {"N2N", "J2july"},    {"2P", "A2june31"},   {"N2P", "J2june31"}, {"N2PN", "J2july31"},
        {"NB", "B1groups"},   {"2B", "B1groups31"}, {"NB2", "B2june"},   {"NB2P", "B2june31"}};
    for (auto [moves, facts] : rows) {
        CalendarPage page;
        page.day(dayCount).grey = true; // as the window is designed
        OpenCalender(page, tables, "(group a)");
        for (const char* m = moves; *m; ++m) {
            move(page, *m);
        }
        EXPECT_EQ(factsOf(page), facts) << moves;
    }
}

// Each group, A to H, joins a cell's further entries with its own separator;
// a match on the first of the month is no exception.
TEST(CalendarDays, EntriesInTheCellOfTheirDayJoinedByTheirGroupsSeparator) {
    auto tables = siteTables();
    tables.mutableSlot('A', 1)->DATE = "01/06/2006";
    CalendarPage page;
    OpenCalender(page, tables, "Kim Dale");
    EXPECT_EQ(page.day(1).text, "1. Germany vs Costa rica - 01/06/2006 18:00 ");
    EXPECT_EQ(
        page.day(20).text,
        "20. Ecuador vs Germany - 20/06/2006 16:00 || Costa rica vs Poland - 20/06/2006 16:00 "
        " || Sweden vs England - 20/06/2006 21:00  || Paraguay vs Trinidad and tobago - "
        "20/06/2006 21:00 ");
    EXPECT_TRUE(page.day(23).text.ends_with(" || Ukraine vs Tunisia - 23/06/2006 16:00 "));
}

TEST(CalendarHoverLine, NamesTheDayUnderTheMouse) {
    const char* june = designTitle;
    // June's 31st, grey or not, and a cell with no number name nothing.
    const std::tuple<const char*, int, const char*, bool, const char*> cases[] = {
        {june, 11, "11. A vs B", false, "Sunday 11st. June "},
        {june, 2, "2.", false, "Friday 2nd. June "},
        {june, 23, "23.", false, "Friday 23rd. June "},
        {julyTitle, 22, "22.", false, "Saturday 22nd. July "},
        {julyTitle, 3, "3.", false, "Monday 3rd. July "},
        {julyTitle, 31, "31.", false, "Monday 31st. July "},
        {june, 31, "31.", true, ""},
        {june, 31, "31.", false, ""},
        {june, 9, "day", false, ""},
    };
    for (auto [title, day, text, grey, line] : cases) {
        EXPECT_EQ(hoverLine(title, day, text, grey).value_or(""), line) << title << text;
    }
}

TEST(MatchDayReading, RowsOfADayTextUpToTheFirstMissingSeparator) {
    EXPECT_EQ(
        MatchDay::readDayText("9. Germany vs Costa rica - 09/06/2006 18:00 || Poland vs "
                              "Ecuador - 09/06/2006 21:00 "),
        (MatchDay::DayMatches{
            "09/06/2006", {{"18:00", "Germany", "Costa rica"}, {"21:00", "Poland", "Ecuador"}}}));
    std::string six = "12.";
    for (int n = 0; n < 6; ++n) {
        six += " A vs B - 12/06/2006 18:00 ||";
    }
    EXPECT_EQ(MatchDay::readDayText(six).rows.size(), 5u);
    EXPECT_EQ(MatchDay::readDayText("9. A vs B - 09/06/2006 18:00  || C vs D - 09/06/2006 21:00")
                  .rows.size(),
              2u);
    for (const char* text : {"9.", "9. A", "9. A vs B", "9. A vs B - 09/06/2006"}) {
        EXPECT_TRUE(MatchDay::readDayText(text).rows.empty()) << text;
    }
}

TEST(MatchDayWindow, PlaceAndShrink) {
    // Right of the calendar while it fits to the very edge, else left of it; two rows high.
    EXPECT_EQ(MatchDay::besideCalendar({100, 200, 6960, 3675}, 2, 9235),
              (TwipsRect{7060, 200, 2175, 2595}));
    EXPECT_EQ(MatchDay::besideCalendar({12000, 200, 6960, 3675}, 1, 19200).left, 12000 - 2175);
    for (auto [rows, height] : {std::pair{1, 1485}, {3, 3750}, {4, 4830}, {5, 5955}}) {
        EXPECT_EQ(MatchDay::besideCalendar({}, rows, 19200).height, height) << rows;
    }
    // Animation off closes at once; on, 20 twips a tick until width or height runs out.
    const std::tuple<int, int, bool, MatchDay::ShrinkStep> cases[] = {
        {2175, 2595, false, {2175, 2595, true}}, {2175, 2595, true, {2155, 2575, false}},
        {35, 455, true, {15, 435, false}},       {20, 440, true, {0, 0, true}},
        {695, 5, true, {695, 5, true}},          {695, 20, true, {675, 0, false}},
    };
    for (auto [width, height, animated, step] : cases) {
        EXPECT_EQ(MatchDay::shrinkStep(width, height, animated), step) << width << "x" << height;
    }
}
