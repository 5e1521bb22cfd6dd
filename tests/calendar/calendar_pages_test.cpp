#include "calendar/hover_line.h"
#include "calendar/knockout_pages.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

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

TEST(CalendarDayLists, GroupAPageOfTheRealSchedule) {
    const auto tables = siteTables();
    const CalendarPage page = opened(tables, "(group a)");
    EXPECT_EQ(page.title, "June - Group A Calender");
    EXPECT_EQ(daysWithEntries(page), (std::vector<int>{9, 14, 15, 20}));
    EXPECT_EQ(page.day(20).text, "20. Ecuador vs Germany - 20/06/2006 16:00 || Costa rica vs "
                                 "Poland - 20/06/2006 16:00 ");
    EXPECT_TRUE(page.day(31).grey);
    CalendarPage again = page;
    OpenCalender(again, tables, "(group a)");
    EXPECT_EQ(again, page);
}

TEST(CalendarDayLists, SelectorsAndSeparators) {
    const auto tables = siteTables();
    for (const char* selector : {"(GrOuP b)", "(group b)"}) {
        EXPECT_EQ(opened(tables, selector).title, "June - Group B Calender") << selector;
    }
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

enum class Cells { Groups, Bare, JuneListings, JulyListings };

struct PageFacts {
    std::string title;
    StageView view;
    Cells cells;
    bool greyThirtyFirst;
    bool operator==(const PageFacts&) const = default;
};

Cells cellsOf(const CalendarPage& page) {
    CalendarPage bare = page;
    for (int d = 1; d <= dayCount; ++d) {
        bare.day(d).text = bareDayText(d);
    }
    if (page.days == bare.days) {
        return Cells::Bare;
    }
    for (auto [listings, cells] : {std::pair{&KnockOutPages::juneListings, Cells::JuneListings},
                                   std::pair{&KnockOutPages::julyListings, Cells::JulyListings}}) {
        CalendarPage expected = bare;
        for (const KnockOutPages::Listing& listing : *listings) {
            expected.day(listing.day).text += listing.text;
        }
        if (page.days == expected.days) {
            return cells;
        }
    }
    return Cells::Groups;
}

} // namespace

TEST(KnockOutPages, EveryTransition) {
    const auto tables = siteTables();
    using Move = std::function<void(CalendarPage&)>;
    const Move next = KnockOutPages::NextMonth, stage2 = KnockOutPages::Stage2;
    const Move previous = [&](CalendarPage& p) { KnockOutPages::PrevMonth(p, tables); };
    const Move stage1 = [&](CalendarPage& p) { KnockOutPages::Stage1(p, tables); };
    const Move groupB = [&](CalendarPage& p) {
        KnockOutPages::groupButton(p, tables, "(group B)");
    };
    const auto G = StageView::GroupStage, K = StageView::KnockOut;
    const std::string a = designTitle, b = "June - Group B Calender", all = allGroupsTitle,
                      july = julyTitle;
    const PageFacts juneA{a, G, Cells::Groups, true}, juneAll{all, G, Cells::Groups, true},
        julyGroups{july, G, Cells::Bare, false}, juneKnockOut{a, K, Cells::JuneListings, true},
        julyKnockOut{july, K, Cells::JulyListings, false},
        juneUnderJuly{july, K, Cells::JuneListings, true},
        julyKnockOutGrey{july, K, Cells::JulyListings, true};
    struct Row {
        std::vector<Move> path; // from the group A page
        PageFacts from;
        Move move;
        PageFacts to;
    };
    const Row rows[] = {
        {{}, juneA, next, julyGroups},
        {{}, juneA, previous, juneAll},
        {{}, juneA, stage1, juneAll},
        {{}, juneA, stage2, juneKnockOut},
        {{next}, julyGroups, next, julyGroups},
        {{next}, julyGroups, previous, juneAll},
        {{next}, julyGroups, stage1, juneAll},
        {{next}, julyGroups, stage2, julyKnockOut},
        {{next}, julyGroups, groupB, {b, G, Cells::Groups, false}},
        {{stage2}, juneKnockOut, next, juneKnockOut},
        {{stage2}, juneKnockOut, previous, juneKnockOut},
        {{stage2}, juneKnockOut, stage1, juneAll},
        {{stage2}, juneKnockOut, stage2, juneKnockOut},
        {{stage2}, juneKnockOut, groupB, {b, G, Cells::Groups, true}},
        {{next, stage2}, julyKnockOut, next, julyKnockOut},
        {{next, stage2}, julyKnockOut, previous, juneUnderJuly},
        {{next, stage2}, julyKnockOut, stage1, juneAll},
        {{next, stage2}, julyKnockOut, stage2, julyKnockOut},
        {{next, stage2, previous}, juneUnderJuly, next, julyKnockOutGrey},
        {{next, stage2, previous}, juneUnderJuly, previous, juneUnderJuly},
        {{next, stage2, previous}, juneUnderJuly, stage1, juneAll},
        {{next, stage2, previous}, juneUnderJuly, stage2, julyKnockOutGrey},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        CalendarPage page = opened(tables, "(group a)");
        for (const Move& move : rows[i].path) {
            move(page);
        }
        const auto facts = [&] {
            return PageFacts{page.title, page.view, cellsOf(page), page.day(dayCount).grey};
        };
        ASSERT_EQ(facts(), rows[i].from) << "row " << i;
        rows[i].move(page);
        EXPECT_EQ(facts(), rows[i].to) << "row " << i;
    }
}

TEST(CalendarHoverLine, NamesTheDayUnderTheMouse) {
    struct Case {
        const char* title;
        int index;
        const char* dayText;
        bool grey;
        std::optional<std::string> line;
    };
    const char* june = "June - Group A Calender";
    const Case cases[] = {
        {june, 9, "9. Germany vs Costa rica - 09/06/2006 18:00 ", false, "Friday 9th. June "},
        {june, 11, "11.", false, "Sunday 11st. June "},
        {june, 22, "22.", false, "Thursday 22nd. June "},
        {june, 23, "23.", false, "Friday 23rd. June "},
        {julyTitle, 1, "1. [Quarter-Finals]", false, "Saturday 1st. July "},
        {julyTitle, 31, "31.", false, "Monday 31st. July "},
        {june, 31, "31.", true, std::nullopt},      // June's grey 31st
        {june, 31, "31.", false, std::nullopt},     // no 31 June, whatever the look
        {"Calendar", 5, "5.", false, std::nullopt}, // no month word
        {june, 5, "five", false, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hoverLine(c.title, c.index, c.dayText, c.grey), c.line) << c.index;
    }
}
