#include "schedule/fixture_lookup.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

using XMLParsing::FixtureLookup;
using XMLParsing::GroupTables;
using XMLParsing::lookupFixture;

namespace {

GroupTables siteTables() {
    GroupTables tables;
    XMLParsing::splitGroups(siteSchedule(), tables);
    return tables;
}

struct Expected {
    const char* team;
    CivilDate today;
    const char* opponent; // nullptr: no match
    const char* date;
};

} // namespace

TEST(FixtureLookup, FindsTheFirstMatchDatedAfterToday) {
    const GroupTables tables = siteTables();
    const Expected cases[] = {
        {"Costa rica", {2006, 6, 1}, "Germany", "09/06/2006"},
        {"Germany", {2006, 6, 8}, "Costa rica", "09/06/2006"},
        {"Germany", {2006, 6, 9}, "Poland", "14/06/2006"}, // on the day: the next one
        {"Germany", {2006, 6, 14}, "Ecuador", "20/06/2006"},
        {"Germany", {2006, 6, 20}, nullptr, nullptr}, // from the third match on
        {"USA", {2006, 6, 1}, "Czech republic", "12/06/2006"},
        {"USA", {2006, 6, 12}, "Italy", "17/06/2006"},
        {"Saudi arabia", {2006, 6, 19}, "Spain", "23/06/2006"},
    };
    for (const Expected& want : cases) {
        const FixtureLookup found = lookupFixture(tables, want.team, want.today);
        if (!want.opponent) {
            EXPECT_EQ(found.outcome, FixtureLookup::Outcome::NoMatch) << want.team;
            continue;
        }
        ASSERT_EQ(found.outcome, FixtureLookup::Outcome::Found) << want.team;
        EXPECT_EQ(found.opponent, want.opponent) << want.team;
        EXPECT_EQ(found.slot->DATE, want.date) << want.team;
    }
    EXPECT_EQ(lookupFixture(tables, "USA", {2006, 6, 1}).groupSuffix, " (Group E)");
    EXPECT_EQ(lookupFixture(tables, "Costa rica", {2006, 6, 1}).slot->STADIUM, "Munich");
}

TEST(FixtureLookup, KnowsOnlyExactDisplayNames) {
    const GroupTables tables = siteTables();
    for (const char* notAName : {"usa", "Costa Rica", "Germany ", "", "Germany (group a)"}) {
        EXPECT_EQ(lookupFixture(tables, notAName, {2006, 6, 1}).outcome,
                  FixtureLookup::Outcome::UnknownTeam)
            << notAName;
    }
    EXPECT_EQ(lookupFixture(GroupTables{}, "Germany", {2006, 6, 1}).outcome,
              FixtureLookup::Outcome::NoMatch);
}

// A schedule spelling "Costa Rica" is not our "Costa rica"; a date that is no
// date is skipped; on one day the lower slot wins.
TEST(FixtureLookup, FollowsTheScheduleAsWritten) {
    GroupTables tables;
    XMLParsing::splitGroups(
        scheduleText(
            {{"grpA1", "Germany", "Costa Rica", "09/06/2006", "18:00", "Munich"},
             {"grpA2", "Costa Rica", "Poland", "20/06/2006", "16:00", "Hanover"},
             {"grpB1", "England", "Paraguay", "31/06/2006", "15:00", "Frankfurt"},
             {"grpB2", "Sweden", "England", "15/06/2006", "18:00", "Nuremberg"},
             {"grpB3", "England", "Trinidad and tobago", "15/06/2006", "21:00", "Berlin"}}),
        tables);
    EXPECT_EQ(lookupFixture(tables, "Costa rica", {2006, 6, 1}).outcome,
              FixtureLookup::Outcome::NoMatch);
    EXPECT_EQ(lookupFixture(tables, "Germany", {2006, 6, 1}).opponent, "Costa Rica");
    EXPECT_EQ(lookupFixture(tables, "England", {2006, 6, 1}).opponent, "Sweden");
}
