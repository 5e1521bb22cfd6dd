#include "calendar/match_day.h"

#include <gtest/gtest.h>

using namespace MatchDay;

TEST(MatchDayReading, RowsOfADayText) {
    const DayMatches day9{"09/06/2006",
                          {{"18:00", "Germany", "Costa rica"}, {"21:00", "Poland", "Ecuador"}}};
    // Group A's "|| " and the other groups' " || " read alike.
    EXPECT_EQ(readDayText("9. Germany vs Costa rica - 09/06/2006 18:00 || Poland vs Ecuador - "
                          "09/06/2006 21:00 "),
              day9);
    EXPECT_EQ(readDayText("9. Germany vs Costa rica - 09/06/2006 18:00  || Poland vs Ecuador - "
                          "09/06/2006 21:00 "),
              day9);

    std::string six = "12. A vs B - 12/06/2006 11:00 ";
    for (char hour = '2'; hour <= '6'; ++hour) {
        six += std::string("|| A vs B - 12/06/2006 1") + hour + ":00 ";
    }
    const DayMatches five = readDayText(six);
    ASSERT_EQ(five.rows.size(), 5u);
    EXPECT_EQ(five.rows[4], (MatchRow{"15:00", "A", "B"}));
}

TEST(MatchDayReading, MissingSeparatorsStopTheReading) {
    for (const char* text : {"9.", "9. Germany", "9. A vs B", "9. A vs B - 09/06/2006"}) {
        EXPECT_TRUE(readDayText(text).rows.empty()) << text;
    }
    for (const char* text :
         {"9. A vs B - 09/06/2006 18:00  || C vs D", "9. A vs B - 09/06/2006 18:00  || "}) {
        EXPECT_EQ(readDayText(text).rows.size(), 1u) << text;
    }
    EXPECT_EQ(readDayText("9. A vs B - 09/06/2006 18:00").rows[0].time, "18:00");
}

TEST(MatchDayWindow, HeightsPlaceAndShrink) {
    const int heights[] = {0, 1485, 2595, 3750, 4830, 5955, 0};
    for (int rows = 0; rows <= 6; ++rows) {
        EXPECT_EQ(windowHeight(rows), heights[rows]) << rows;
    }
    EXPECT_EQ(besideCalendar({100, 200, 6960, 3675}, 2, 19200), (TwipsRect{7060, 200, 2175, 2595}));
    EXPECT_EQ(besideCalendar({12000, 200, 6960, 3675}, 1, 19200).left, 12000 - 2175);

    struct Case {
        int width, height;
        bool animated;
        ShrinkStep step;
    };
    const Case cases[] = {
        {2175, 2595, false, {2175, 2595, true}}, // animation off: at once
        {2175, 2595, true, {2155, 2575, false}}, {35, 455, true, {15, 435, false}},
        {20, 440, true, {0, 0, true}},  // width used up
        {695, 5, true, {695, 5, true}}, // a one-row window runs out of height
        {695, 20, true, {675, 0, false}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shrinkStep(c.width, c.height, c.animated), c.step) << c.width << "x" << c.height;
    }
}
