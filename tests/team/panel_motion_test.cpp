#include "team/panel_motion.h"

#include <gtest/gtest.h>

#include <vector>

using namespace PanelMotion;

TEST(PanelMotion, OpeningGrowsFromTheSeedInSeventyThreeTicks) {
    SizeStep step{seedSize, seedSize, false};
    std::vector<SizeStep> steps;
    while (!step.done && steps.size() < 1000) {
        step = openStep(step.width, step.height, true);
        steps.push_back(step);
    }
    ASSERT_EQ(steps.size(), 73u);
    EXPECT_NE(steps[63].width, narrowWidth);
    EXPECT_EQ(steps[64].width, narrowWidth) << "full width on the 65th tick";
    EXPECT_EQ(steps[71].height, 1450);
    EXPECT_EQ((std::vector<int>{step.width, step.height}), (std::vector<int>{2610, 1440}));
}

TEST(PanelMotion, ClosingAWidenedPanelNarrowsItWhileItShrinks) {
    SizeStep step{wideWidth, openHeight, false};
    std::vector<int> widths;
    while (!step.done && widths.size() < 1000) {
        step = closeStep(step.width, step.height, true);
        widths.push_back(step.width);
    }
    ASSERT_EQ(widths.size(), 73u); // 72 ticks of 20 twips, then the unload
    EXPECT_EQ(step.height, 0);
    EXPECT_EQ(std::vector<int>(widths.begin() + 63, widths.begin() + 68),
              (std::vector<int>{2660, 2620, 2580, 2610, 2610}));
    EXPECT_EQ(closeStep(2610, 15, true).height, 0); // never below nothing
}

TEST(PanelMotion, ThePanelGoesAboveABarInTheLowestThirdOfTheScreen) {
    EXPECT_FALSE(panelGoesAbove(6000, 9000));
    EXPECT_TRUE(panelGoesAbove(6001, 9000));
    // A third is taken in fractions: 10000 - 3333.3 lies below 6667.
    EXPECT_FALSE(panelGoesAbove(6666, 10000));
    EXPECT_TRUE(panelGoesAbove(6667, 10000));
}
