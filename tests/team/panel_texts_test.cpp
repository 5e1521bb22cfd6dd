#include "team/panel_texts.h"

#include <gtest/gtest.h>

using namespace PanelTexts;

TEST(PanelTexts, TheButtonsCutTheTitleIntoGroupAndTeam) {
    EXPECT_EQ(groupSelector("Trinidad and tobago (group b)"), "(group b)");
    EXPECT_EQ(groupSelector("Togo"), "Togo"); // shorter titles pass whole
    EXPECT_EQ(groupSelector(""), "");

    EXPECT_EQ(teamNameOf("Serbia and montenegro (group c)"), "Serbia and montenegro");
    EXPECT_EQ(teamNameOf("A (b) (c)"), "A");
    EXPECT_EQ(teamNameOf("Germany"), "Germany");
    EXPECT_EQ(teamNameOf("Germany(group a)"), "Germany(group a)"); // no blank before it
    EXPECT_EQ(teamNameOf(" (group a)"), "");
}
