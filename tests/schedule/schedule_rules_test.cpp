#include "schedule/fixture_lookup.h"
#include "schedule/roster.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

using namespace XMLParsing;

namespace {

// Filled fields across all groups; each must equal its field in `whole`.
int filledFields(const GroupTables& tables, const GroupTables& whole) {
    int filled = 0;
    for (char group = 'A'; group <= 'H'; ++group) {
        for (int n = 1; n <= 8; ++n) {
            const MatchSlot &got = tables.slot(group, n), &want = whole.slot(group, n);
            for (auto field : {&MatchSlot::TEAM1, &MatchSlot::TEAM2, &MatchSlot::DATE,
                               &MatchSlot::TIME, &MatchSlot::STADIUM}) {
                filled += !(got.*field).empty();
                EXPECT_TRUE((got.*field).empty() || got.*field == want.*field) << group << n;
            }
        }
    }
    return filled;
}

} // namespace

// A ninth record of a run is read (so the next one is found) but not stored;
// tags the reader does not know are passed over and values kept verbatim.
TEST(GroupSplit, SkipsWhatItCannotStoreAndKeepsValuesVerbatim) {
    std::vector<SampleRecord> records;
    for (int i = 1; i <= 10; ++i) {
        records.push_back({i < 10 ? "grpF" + std::to_string(i) : "grpG1", std::to_string(i), "U",
                           "d", "t", "s "});
    }
    std::string text = scheduleText(records);
    text.insert(text.find("<TEAM2>"), "\r\n<!-- a comment -->\t<GROUP>E</GROUP>\r\n");
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(tables.slot('F', 1), (MatchSlot{"1", "U", "d", "t", "s "}));
    EXPECT_EQ(tables.slot('F', 8).TEAM1 + tables.slot('G', 1).TEAM1, "810");
}

// Whatever the cut, reading never runs past the text and every slot read
// keeps exactly what the whole text puts there.
TEST(GroupSplit, ATextCutAtAnyByteKeepsWhatWasReadBeforeTheCut) {
    const std::string whole = siteSchedule();
    const GroupTables complete = siteTables();
    const std::size_t listStart = whole.find("</GROUPLIST>");
    EXPECT_EQ(complete.slot('A', 1),
              (MatchSlot{"Germany", "Costa rica", "09/06/2006", "18:00", "Munich"}));
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        GroupTables tables;
        const bool read = splitGroups(std::string_view(whole).substr(0, cut), tables);
        const int filled = filledFields(tables, complete);
        // With no list end, the first record only; slots 7 and 8 stay empty.
        ASSERT_EQ(read, filled == 5 || filled == 48 * 5) << "cut at " << cut;
        ASSERT_TRUE(cut >= listStart + 12 ? filled == 48 * 5 : filled <= 5) << "cut at " << cut;
    }
}

TEST(FixtureLookup, FindsTheFirstMatchDatedAfterTodayByExactName) {
    const GroupTables tables = siteTables();
    // The outcome (0 unknown team, 1 no match, 2 found), the opponent, the date, the group.
    const std::tuple<const char*, CivilDate, const char*> cases[] = {
        {"Costa rica", {2006, 6, 1}, "2 Germany 09/06/2006 (Group A)"},
        {"Germany", {2006, 6, 9}, "2 Poland 14/06/2006 (Group A)"}, // on the day: the next
        {"Germany", {2006, 6, 20}, "1 "},
        {"usa", {2006, 6, 1}, "0 "},
        {"", {2006, 6, 1}, "0 "},
    };
    for (auto [team, today, next] : cases) {
        const FixtureLookup f = lookupFixture(tables, team, today);
        const std::string date = f.slot ? " " + f.slot->DATE : "";
        EXPECT_EQ(std::to_string(int(f.outcome)) + " " + f.opponent + date + f.groupSuffix, next)
            << team;
    }
}

TEST(Roster, EverySearchKeyNormalisesToItsDisplayName) {
    for (const Team& team : roster()) {
        EXPECT_EQ(normaliseTeamName(team.searchKey), team.displayName) << team.searchKey;
    }
    EXPECT_EQ(normaliseTeamName("u.s.a"), "USA");
}
