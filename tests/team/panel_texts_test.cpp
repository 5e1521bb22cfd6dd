#include "team/panel_texts.h"

#include <gtest/gtest.h>

using namespace PanelTexts;

TEST(PanelTexts, TheNextMatchReadsAsTheWorkedExample) {
    const XMLParsing::MatchSlot slot{"Germany", "Costa rica", "09/06/2006", "18:00", "Munich"};
    const NextMatch match = nextMatch(slot, "Germany");
    EXPECT_EQ(match.datePlaying, "09/06/2006\r\n18:00");
    EXPECT_EQ(match.against, "Germany");
    EXPECT_EQ(match.stad, "Playing at Munich");
    EXPECT_EQ(match.stadTooltip, "Playing at Munich Stadium.");
    EXPECT_EQ(againstTooltip("Costa rica (group a)", "Germany"),
              "Costa rica (group a) Vs. Germany");
}

TEST(PanelTexts, TheReminderTextKeepsTheLineBreakOfTheDate) {
    EXPECT_EQ(reminderText("09/06/2006\r\n18:00", "Costa rica", "Germany (group a)"),
              "09/06/2006\r\n18:00|Costa rica|Germany (group a)");
}

TEST(PanelTexts, TheGroupSelectorIsTheTitlesLastNineCharacters) {
    EXPECT_EQ(groupSelector("Germany (group a)"), "(group a)");
    EXPECT_EQ(groupSelector("Trinidad and tobago (group b)"), "(group b)");
    EXPECT_EQ(groupSelector("Usa (group e)"), "(group e)");
    EXPECT_EQ(groupSelector("Togo"), "Togo"); // shorter titles pass whole
    EXPECT_EQ(groupSelector(""), "");
}

TEST(PanelTexts, TheTeamNameStopsAtTheFirstBracket) {
    EXPECT_EQ(teamNameOf("Germany (group a)"), "Germany");
    EXPECT_EQ(teamNameOf("Serbia and montenegro (group c)"), "Serbia and montenegro");
    EXPECT_EQ(teamNameOf("Usa (group e)"), "Usa");
    EXPECT_EQ(teamNameOf("A (b) (c)"), "A");
    EXPECT_EQ(teamNameOf("Germany"), "Germany");
    EXPECT_EQ(teamNameOf("Germany(group a)"), "Germany(group a)"); // no blank before it
    EXPECT_EQ(teamNameOf(" (group a)"), "");
}
