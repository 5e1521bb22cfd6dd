#include "common/civil_date.h"
#include "common/twips.h"

#include <gtest/gtest.h>

TEST(CivilDate, ReadsDatesAndTimesRefusingAnythingElseAndCountsDays) {
    EXPECT_EQ(parseDayMonthYear("9/6/2006"), (CivilDate{2006, 6, 9}));
    EXPECT_EQ(parseDayMonthYear("29/02/2004"), (CivilDate{2004, 2, 29}));
    for (const char* bad :
         {"", "29/02/2006", "31/06/2006", "00/06/2006", "09/13/2006", "09/06/06", "09/06/20060",
          "9/6", "ab/06/2006", "09/06/2006 ", "+9/06/2006", "09//2006", "123/06/2006"}) {
        EXPECT_FALSE(parseDayMonthYear(bad)) << bad;
    }
    const std::pair<const char*, std::optional<int>> times[] = {
        {"23:59:59", 86399}, {"0:00:30", 30}, {"18:5", {}}, {"24:00", {}}, {"18:60", {}}};
    for (auto [text, seconds] : times) {
        EXPECT_EQ(parseTimeOfDay(text), seconds) << text;
    }
    // Day boundaries across months and years.
    EXPECT_EQ(daysBetween({2006, 6, 9}, {2006, 6, 7}), -2);
    EXPECT_EQ(daysBetween({2006, 2, 9}, {2006, 6, 9}), 120);
    EXPECT_EQ(daysBetween({2001, 1, 1}, {2006, 1, 1}), 1826);
    EXPECT_EQ(daysBetween({2004, 2, 28}, {2004, 3, 1}), 2);
}

// Half a pixel and more rounds away from zero, on either side of it.
TEST(Twips, ToPixelsRoundsHalfAPixelAwayFromZero) {
    for (auto [twips, pixels] : {std::pair{7, 0}, {8, 1}, {-7, 0}, {-8, -1}}) {
        EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
    }
}
