#include "schedule/group_split.h"
#include "schedule/schedule_samples.h"

#include <gtest/gtest.h>

using XMLParsing::GroupTables;
using XMLParsing::MatchSlot;
using XMLParsing::splitGroups;

namespace {

// Filled fields across all groups; with `whole`, each must equal its field there.
int filledFields(const GroupTables& tables, const GroupTables* whole = nullptr) {
    int filled = 0;
    for (char group = 'A'; group <= 'H'; ++group) {
        for (int slot = 1; slot <= 8; ++slot) {
            for (auto field : {&MatchSlot::TEAM1, &MatchSlot::TEAM2, &MatchSlot::DATE,
                               &MatchSlot::TIME, &MatchSlot::STADIUM}) {
                const std::string& got = tables.slot(group, slot).*field;
                if (!got.empty()) {
                    ++filled;
                    EXPECT_TRUE(!whole || got == whole->slot(group, slot).*field) << group << slot;
                }
            }
        }
    }
    return filled;
}

SampleRecord record(const std::string& id, const std::string& team1) {
    return {id, team1, "Opponent", "09/06/2006", "18:00", "Munich"};
}

GroupTables split(const std::vector<SampleRecord>& records) {
    GroupTables tables;
    EXPECT_TRUE(splitGroups(scheduleText(records), tables));
    return tables;
}

} // namespace

TEST(GroupSplit, FillsSixSlotsOfEveryGroupFromTheSiteSchedule) {
    GroupTables tables;
    EXPECT_TRUE(splitGroups(siteSchedule(), tables));
    EXPECT_EQ(filledFields(tables), 48 * 5); // with 7 and 8 empty: six slots each
    for (char group = 'A'; group <= 'H'; ++group) {
        EXPECT_EQ(tables.slot(group, 7), MatchSlot{}) << group;
        EXPECT_EQ(tables.slot(group, 8), MatchSlot{}) << group;
    }
    EXPECT_EQ(tables.slot('A', 1),
              (MatchSlot{"Germany", "Costa rica", "09/06/2006", "18:00", "Munich"}));
    EXPECT_EQ(tables.slot('H', 6).STADIUM, "Berlin");
}

TEST(GroupSplit, EachRunOfAGroupFillsFromSlotOneInAnyOrder) {
    const GroupTables tables = split({record("grpC1", "Argentina"), record("grpC2", "Netherlands"),
                                      record("grpA1", "Germany"), record("grpA2", "Poland"),
                                      record("grpB1", "England"), record("grpA3", "Ecuador")});
    EXPECT_EQ(tables.slot('C', 2).TEAM1, "Netherlands");
    EXPECT_EQ(tables.slot('B', 1).TEAM1, "England");
    EXPECT_EQ(tables.slot('A', 1).TEAM1, "Ecuador"); // the second run of A overwrites
    EXPECT_EQ(tables.slot('A', 2).TEAM1, "Poland");
    EXPECT_EQ(tables.slot('A', 3), MatchSlot{});
}

TEST(GroupSplit, ForeignIdentifiersStoreNothingOrFollowTheRecordBefore) {
    EXPECT_EQ(filledFields(split({record("m1", "Germany"), record("m2", "Poland")})), 0);

    const GroupTables mixed =
        split({record("grpD1", "Mexico"), record("x", "Angola"), record("grpd", "Iran")});
    EXPECT_EQ(mixed.slot('D', 2).TEAM1, "Angola");
    EXPECT_EQ(mixed.slot('D', 3).TEAM1, "Iran");

    const GroupTables firstForeign = split({record("m1", "Germany"), record("grpA2", "Poland")});
    EXPECT_EQ(firstForeign.slot('A', 1).TEAM1, "Poland");
    EXPECT_EQ(firstForeign.slot('A', 2), MatchSlot{});
}

TEST(GroupSplit, AFarListEndLooksForOneRecordMoreAndFailsKeepingAll) {
    std::string text = siteSchedule();
    text.insert(text.find("</GROUPLIST>"), "<!-- thirty characters or more of comment -->\r\n");
    GroupTables tables;
    EXPECT_FALSE(splitGroups(text, tables));
    EXPECT_EQ(filledFields(tables), 48 * 5);
}

TEST(GroupSplit, SkipsWhatItCannotStoreAndKeepsValuesVerbatim) {
    std::vector<SampleRecord> records{record("grpE1", "Italy")};
    for (int i = 1; i <= 9; ++i) {
        records.push_back(record("grpF" + std::to_string(i), "Team" + std::to_string(i)));
    }
    records.push_back(record("grpG1", "France"));
    std::string text = scheduleText(records);
    text.insert(text.find("<TEAM2>"), "\r\n\r\n<!-- a comment -->\t\t<GROUP>E</GROUP>\r\n");
    text.replace(text.find("Munich"), 6, "Munich ");
    GroupTables tables;
    EXPECT_TRUE(splitGroups(text, tables));
    EXPECT_EQ(tables.slot('E', 1),
              (MatchSlot{"Italy", "Opponent", "09/06/2006", "18:00", "Munich "}));
    // A ninth record of a run is skipped and reading goes on.
    EXPECT_EQ(tables.slot('F', 8).TEAM1, "Team8");
    EXPECT_EQ(tables.slot('F', 1).TEAM1, "Team1");
    EXPECT_EQ(tables.slot('G', 1).TEAM1, "France");
}

// Whatever the cut (the empty text included), reading never runs past the
// text and every slot read keeps exactly what the whole text puts there.
TEST(GroupSplit, ATextCutAtAnyByteKeepsWhatWasReadBeforeTheCut) {
    const std::string whole = siteSchedule();
    GroupTables complete;
    ASSERT_TRUE(splitGroups(whole, complete));
    const std::size_t listStart = whole.find("</GROUPLIST>");
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        GroupTables tables;
        const bool read = splitGroups(std::string_view(whole).substr(0, cut), tables);
        const int filled = filledFields(tables, &complete);
        if (cut == 0) {
            ASSERT_FALSE(read);
        }
        if (cut == listStart) { // no list end: the first record only
            ASSERT_TRUE(read);
            ASSERT_EQ(filled, 5);
        }
        ASSERT_TRUE(cut >= listStart + 12 ? filled == 48 * 5 : filled <= 5) << "cut at " << cut;
    }
}
