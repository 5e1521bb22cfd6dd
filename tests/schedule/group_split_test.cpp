#include "schedule/group_split.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

using XMLParsing::GroupTables;
using XMLParsing::MatchSlot;
using XMLParsing::splitGroups;

namespace {

int filledSlots(const GroupTables& tables, char group) {
    int slots = 0;
    while (slots < 8 && !tables.slot(group, slots + 1).DATE.empty()) {
        ++slots;
    }
    return slots;
}

SampleRecord record(const std::string& id, const std::string& team1,
                    const std::string& date = "09/06/2006") {
    return {id, team1, "Opponent", date, "18:00", "Munich"};
}

bool tablesEqual(const GroupTables& a, const GroupTables& b) {
    for (char group = 'A'; group <= 'H'; ++group) {
        for (int slot = 1; slot <= 8; ++slot) {
            if (!(a.slot(group, slot) == b.slot(group, slot))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(GroupSplit, FillsSixSlotsOfEveryGroupFromTheSiteSchedule) {
    GroupTables tables;
    EXPECT_TRUE(splitGroups(siteSchedule(), tables));
    for (char group = 'A'; group <= 'H'; ++group) {
        EXPECT_EQ(filledSlots(tables, group), 6) << group;
        EXPECT_EQ(tables.slot(group, 7), MatchSlot{}) << group;
        EXPECT_EQ(tables.slot(group, 8), MatchSlot{}) << group;
    }
    EXPECT_EQ(tables.slot('A', 1),
              (MatchSlot{"Germany", "Costa rica", "09/06/2006", "18:00", "Munich"}));
    EXPECT_EQ(tables.slot('H', 6).STADIUM, "Berlin");
}

TEST(GroupSplit, ReadsGroupsInAnyOrderEachFromSlotOne) {
    const std::string text =
        scheduleText({record("grpC1", "Argentina"), record("grpC2", "Netherlands"),
                      record("grpA1", "Germany"), record("grpB1", "England")});
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(tables.slot('C', 2).TEAM1, "Netherlands");
    EXPECT_EQ(tables.slot('A', 1).TEAM1, "Germany");
    EXPECT_EQ(tables.slot('B', 1).TEAM1, "England");
    EXPECT_EQ(filledSlots(tables, 'A'), 1);
}

TEST(GroupSplit, ASecondRunOfAGroupOverwritesFromSlotOne) {
    const std::string text = scheduleText({record("grpA1", "Germany"), record("grpA2", "Poland"),
                                           record("grpB1", "England"), record("grpA3", "Ecuador")});
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(tables.slot('A', 1).TEAM1, "Ecuador");
    EXPECT_EQ(tables.slot('A', 2).TEAM1, "Poland");
}

TEST(GroupSplit, ForeignIdentifiersStoreNothingOrFollowTheRecordBefore) {
    GroupTables converted;
    EXPECT_TRUE(
        splitGroups(scheduleText({record("m1", "Germany"), record("m2", "Poland")}), converted));
    EXPECT_TRUE(tablesEqual(converted, GroupTables{}));

    GroupTables mixed;
    EXPECT_TRUE(splitGroups(
        scheduleText({record("grpD1", "Mexico"), record("x", "Angola"), record("grpd", "Iran")}),
        mixed));
    EXPECT_EQ(mixed.slot('D', 2).TEAM1, "Angola");
    EXPECT_EQ(mixed.slot('D', 3).TEAM1, "Iran");

    GroupTables firstForeign;
    EXPECT_TRUE(splitGroups(scheduleText({record("m1", "Germany"), record("grpA2", "Poland")}),
                            firstForeign));
    EXPECT_EQ(firstForeign.slot('A', 1).TEAM1, "Poland");
    EXPECT_EQ(firstForeign.slot('A', 2), MatchSlot{});
}

TEST(GroupSplit, WithoutTheListEndReadsTheFirstRecordOnly) {
    std::string text = siteSchedule();
    text.erase(text.find("</GROUPLIST>"));
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(filledSlots(tables, 'A'), 1);
    EXPECT_EQ(filledSlots(tables, 'B'), 0);
}

TEST(GroupSplit, AFarListEndLooksForOneRecordMoreAndFailsKeepingAll) {
    std::string text = siteSchedule();
    text.insert(text.find("</GROUPLIST>"), "<!-- thirty characters or more of comment -->\r\n");
    GroupTables tables;
    EXPECT_FALSE(splitGroups(text, tables));
    for (char group = 'A'; group <= 'H'; ++group) {
        EXPECT_EQ(filledSlots(tables, group), 6) << group;
    }
}

TEST(GroupSplit, IgnoresWhatStandsBetweenFieldsAndKeepsValuesVerbatim) {
    std::string text = scheduleText({record("grpE1", "Italy")});
    text.insert(text.find("<TEAM2>"), "\r\n\r\n<!-- a comment -->\t\t<GROUP>E</GROUP>\r\n");
    text.replace(text.find("Munich"), 6, "Munich ");
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(tables.slot('E', 1),
              (MatchSlot{"Italy", "Opponent", "09/06/2006", "18:00", "Munich "}));
}

TEST(GroupSplit, ANinthRecordOfARunIsSkippedAndReadingGoesOn) {
    std::vector<SampleRecord> records;
    for (int i = 1; i <= 9; ++i) {
        records.push_back(record("grpF" + std::to_string(i), "Team" + std::to_string(i)));
    }
    records.push_back(record("grpG1", "France"));
    GroupTables tables;
    EXPECT_TRUE(splitGroups(scheduleText(records), tables));
    EXPECT_EQ(tables.slot('F', 8).TEAM1, "Team8");
    EXPECT_EQ(tables.slot('F', 1).TEAM1, "Team1");
    EXPECT_EQ(tables.slot('G', 1).TEAM1, "France");
}

TEST(GroupSplit, AnEmptyTextFailsWithEmptyTables) {
    GroupTables tables;
    EXPECT_FALSE(splitGroups("", tables));
    EXPECT_TRUE(tablesEqual(tables, GroupTables{}));
}

// Whatever the cut, reading never runs past the text, and every slot read
// before the cut keeps exactly what the whole text puts there.
TEST(GroupSplit, ATextCutAtAnyByteKeepsWhatWasReadBeforeTheCut) {
    const std::string whole = siteSchedule();
    GroupTables complete;
    ASSERT_TRUE(splitGroups(whole, complete));
    const std::size_t listEnd = whole.find("</GROUPLIST>") + 12;
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        GroupTables tables;
        splitGroups(std::string_view(whole).substr(0, cut), tables);
        int filled = 0;
        for (char group = 'A'; group <= 'H'; ++group) {
            for (int slot = 1; slot <= 8; ++slot) {
                const MatchSlot& got = tables.slot(group, slot);
                const MatchSlot& want = complete.slot(group, slot);
                for (auto field : {&MatchSlot::TEAM1, &MatchSlot::TEAM2, &MatchSlot::DATE,
                                   &MatchSlot::TIME, &MatchSlot::STADIUM}) {
                    if (!(got.*field).empty()) {
                        ASSERT_EQ(got.*field, want.*field) << "cut at " << cut;
                        ++filled;
                    }
                }
            }
        }
        // Until the list end is whole only the first record is read.
        if (cut >= listEnd) {
            ASSERT_EQ(filled, 48 * 5);
        } else {
            ASSERT_LE(filled, 5) << "cut at " << cut;
        }
    }
}
