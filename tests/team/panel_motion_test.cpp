#include "team/panel_motion.h"

#include <gtest/gtest.h>

#include <vector>

using namespace PanelMotion;

TEST(PanelMotion, OpeningGrowsFromTheSeedInSeventyThreeTicks) {
    int width = seedSize;
    int height = seedSize;
    int ticks = 0;
    int widthFullAt = 0;
    int heightPastAt = 0;
    for (SizeStep step{}; !step.done && ticks < 1000;) {
        step = openStep(width, height, true);
        ++ticks;
        width = step.width;
        height = step.height;
        if (width == narrowWidth && widthFullAt == 0) {
            widthFullAt = ticks;
        }
        if (height == 1450) {
            heightPastAt = ticks;
        }
    }
    EXPECT_EQ(ticks, 73);
    EXPECT_EQ(widthFullAt, 65);
    EXPECT_EQ(heightPastAt, 72);
    EXPECT_EQ(width, 2610);
    EXPECT_EQ(height, 1440);
}

TEST(PanelMotion, WithoutAnimationEveryMovementEndsOnItsFirstTick) {
    EXPECT_EQ(openStep(10, 10, false).width, 2610);
    EXPECT_EQ(openStep(10, 10, false).height, 1440);
    EXPECT_TRUE(openStep(10, 10, false).done);
    EXPECT_TRUE(closeStep(2610, 1440, false).done);

    const WidthStep widen = widenStep(2610, false);
    EXPECT_EQ(widen.width, 5220);
    EXPECT_EQ(widen.imagesLeft, 5010);
    EXPECT_TRUE(widen.done);
    const WidthStep narrow = narrowStep(5220, false);
    EXPECT_EQ(narrow.width, 2610);
    EXPECT_EQ(narrow.imagesLeft, 2400);
    EXPECT_TRUE(narrow.done);
}

namespace {

struct Travel {
    int steps = 0; // ticks that moved the width
    int ticks = 0; // including the one that stops the timer
    int width = 0;
    int imagesMoved = 0;
};

template <typename Step> Travel travel(int width, Step step) {
    Travel result;
    for (WidthStep next{}; !next.done && result.ticks < 1000;) {
        next = step(width, true);
        ++result.ticks;
        EXPECT_EQ(next.imagesLeft, -1);
        if (next.imagesShift != 0) {
            ++result.steps;
            EXPECT_EQ(next.width - width, next.imagesShift);
        }
        result.imagesMoved += next.imagesShift;
        width = next.width;
    }
    result.width = width;
    return result;
}

} // namespace

TEST(PanelMotion, WideningAndNarrowingTakeOneHundredThirtyOneStepsEachWay) {
    const Travel out = travel(2610, widenStep);
    EXPECT_EQ(out.steps, 131);
    EXPECT_EQ(out.ticks, 132);
    EXPECT_EQ(out.width, 5220);
    EXPECT_EQ(out.imagesMoved, 2620);

    const Travel back = travel(5220, narrowStep);
    EXPECT_EQ(back.steps, 131);
    EXPECT_EQ(back.ticks, 132);
    EXPECT_EQ(back.width, 2610);
    EXPECT_EQ(back.imagesMoved, -2620); // the images end where they began
}

TEST(PanelMotion, ClosingAWidenedPanelNarrowsItWhileItShrinks) {
    int width = wideWidth;
    int height = openHeight;
    std::vector<int> widths;
    int ticks = 0;
    for (SizeStep step{}; ticks < 1000;) {
        step = closeStep(width, height, true);
        ++ticks;
        if (step.done) {
            break;
        }
        EXPECT_EQ(step.height, height - 20);
        width = step.width;
        height = step.height;
        widths.push_back(width);
    }
    EXPECT_EQ(ticks, 73); // 72 shrinking ticks, then the unload
    EXPECT_EQ(height, 0);
    ASSERT_GE(widths.size(), 68u);
    EXPECT_EQ(widths[63], 2660);
    EXPECT_EQ(widths[64], 2620);
    EXPECT_EQ(widths[65], 2580);
    EXPECT_EQ(widths[66], 2610);
    EXPECT_EQ(widths.back(), 2610);
}

TEST(PanelMotion, ClosingNeverTakesTheHeightBelowNothing) {
    EXPECT_EQ(closeStep(2610, 15, true).height, 0);
    EXPECT_FALSE(closeStep(2610, 15, true).done);
    EXPECT_TRUE(closeStep(2610, 0, true).done);
    // Closing while still growing sets the narrow width at once.
    EXPECT_EQ(closeStep(410, 210, true).width, 2610);
}

TEST(PanelMotion, TheArrowWidensOnlyAnExactlyNarrowPanel) {
    EXPECT_TRUE(arrowWidens(2610));
    EXPECT_FALSE(arrowWidens(2630));
    EXPECT_FALSE(arrowWidens(5220));
    EXPECT_FALSE(arrowWidens(2600));
}

TEST(PanelMotion, ThePanelGoesAboveABarInTheLowestThirdOfTheScreen) {
    EXPECT_FALSE(panelGoesAbove(0, 9000));
    EXPECT_FALSE(panelGoesAbove(6000, 9000));
    EXPECT_TRUE(panelGoesAbove(6001, 9000));
    // A third is taken in fractions: 10000 - 3333.3 lies below 6667.
    EXPECT_FALSE(panelGoesAbove(6666, 10000));
    EXPECT_TRUE(panelGoesAbove(6667, 10000));
}
