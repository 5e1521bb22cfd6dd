#include "countdown/edge_keeping.h"

#include <gtest/gtest.h>

namespace {

// A 1024 by 768 screen.
constexpr int screenWidth = 15360;
constexpr int screenHeight = 11520;

EdgeInput barAt(int left, int top, int height = 450, bool animated = true) {
    EdgeInput input;
    input.bar = {left, top, 2790, height};
    input.screenWidth = screenWidth;
    input.screenHeight = screenHeight;
    input.animated = animated;
    return input;
}

} // namespace

TEST(EdgeKeeping, ABarInsideStaysPut) {
    const EdgeInput input = barAt(5000, 3000);
    const EdgeResult result = keepInsideScreen(input);
    EXPECT_EQ(result.bar, input.bar);
    EXPECT_FALSE(result.changesAnything(input));
}

TEST(EdgeKeeping, TopAfterLoadCreepsOrJumps) {
    EXPECT_EQ(keepInsideScreen(barAt(5000, 0)).bar.top, 20);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 0, 450, false)).bar.top, 1);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 1)).bar.top, 21);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 2)).bar.top, 2) << "2 is inside";
}

TEST(EdgeKeeping, RightAndLeftEdges) {
    // One twip past the right edge.
    EXPECT_EQ(keepInsideScreen(barAt(screenWidth - 2789, 100)).bar.left, screenWidth - 2809);
    EXPECT_EQ(keepInsideScreen(barAt(screenWidth - 2789, 100, 450, false)).bar.left,
              screenWidth - 2790);
    EXPECT_EQ(keepInsideScreen(barAt(screenWidth - 2790, 100)).bar.left, screenWidth - 2790);
    EXPECT_EQ(keepInsideScreen(barAt(-300, 100)).bar.left, -280);
    EXPECT_EQ(keepInsideScreen(barAt(-300, 100, 450, false)).bar.left, 1);
}

TEST(EdgeKeeping, BottomKeepsOneBarHeightFreeAndCountsTheOpenStrip) {
    // With the strip shut the limit is 11520 - 900.
    EXPECT_EQ(keepInsideScreen(barAt(5000, 10620)).bar.top, 10600);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 10619)).bar.top, 10619);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 11000, 450, false)).bar.top, 10620);
    // With it open (705 high) the limit is 11520 - 1410.
    EXPECT_EQ(keepInsideScreen(barAt(5000, 10200, 705)).bar.top, 10180);
    EXPECT_EQ(keepInsideScreen(barAt(5000, 10619, 705, false)).bar.top, 10110);
}

TEST(EdgeKeeping, TheOpenPanelIsMovedAlong) {
    EdgeInput input = barAt(screenWidth - 2000, 0);
    input.panelOpen = true;
    input.panel = {screenWidth - 2000, 450, 2610, 2000};
    const EdgeResult result = keepInsideScreen(input);
    EXPECT_EQ(result.panelLeft, screenWidth - 2020);
    EXPECT_EQ(result.bar.left, screenWidth - 2040) << "pulled with the panel, then itself";
    EXPECT_EQ(result.bar.top, 20);
    EXPECT_EQ(result.moveMeCalls, 2);

    input.animated = false;
    const EdgeResult jumped = keepInsideScreen(input);
    EXPECT_EQ(jumped.panelLeft, screenWidth - 2610);
    EXPECT_EQ(jumped.bar.left, screenWidth - 2790);

    input.panelOpen = false;
    EXPECT_EQ(keepInsideScreen(input).moveMeCalls, 0);
    EXPECT_FALSE(keepInsideScreen(input).panelLeft);
}

TEST(EdgeKeeping, LowestThirdOfTheScreen) {
    EXPECT_FALSE(inLowestThird(7680, screenHeight));
    EXPECT_TRUE(inLowestThird(7681, screenHeight));
    EXPECT_TRUE(inLowestThird(7, 10)) << "10 - 10/3 is 6.67";
    EXPECT_FALSE(inLowestThird(6, 10));
}
