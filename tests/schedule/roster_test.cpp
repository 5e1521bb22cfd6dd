#include "schedule/roster.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(Roster, HoldsFourTeamsPerGroupWithUniqueCodes) {
    std::map<char, int> perGroup;
    std::set<std::string_view> codes;
    for (const Team& team : roster()) {
        ++perGroup[team.group];
        codes.insert(team.newsCode);
        EXPECT_EQ(normaliseTeamName(team.displayName), team.displayName);
        EXPECT_EQ(normaliseTeamName(team.searchKey), team.displayName) << team.searchKey;
    }
    EXPECT_EQ(perGroup.size(), 8u);
    for (auto [group, count] : perGroup) {
        EXPECT_EQ(count, 4) << group;
    }
    EXPECT_EQ(codes.size(), 32u);
    EXPECT_EQ(groupOf("USA"), 'E');
    EXPECT_EQ(groupOf("Saudi arabia"), 'H');
    EXPECT_EQ(newsCodeOf("Cote d'ivoire"), "civ");
}

TEST(Roster, NormalisesTheWholeText) {
    for (const char* usa : {"usa", "USA", "Usa", "u.s.a", "U.S.A"}) {
        EXPECT_EQ(normaliseTeamName(usa), "USA") << usa;
    }
    EXPECT_EQ(normaliseTeamName("saudi ARABIA"), "Saudi arabia");
    EXPECT_EQ(normaliseTeamName("COSTA RICA"), "Costa rica");
    EXPECT_EQ(normaliseTeamName("Germany (Group A)"), "Germany (group a)");
    EXPECT_EQ(normaliseTeamName("USA (Group E)"), "Usa (group e)");
    EXPECT_EQ(normaliseTeamName(""), "");
    EXPECT_EQ(normaliseTeamName("x"), "X");
    EXPECT_EQ(normaliseTeamName("u.s.a."), "U.s.a.");
}
