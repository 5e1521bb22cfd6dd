#include "common/civil_date.h"
#include "common/twips.h"

#include <gtest/gtest.h>

TEST(CivilDate, ReadsDayMonthYearAndRefusesAnythingElse) {
    EXPECT_EQ(parseDayMonthYear("09/06/2006"), (CivilDate{2006, 6, 9}));
    EXPECT_EQ(parseDayMonthYear("9/6/2006"), (CivilDate{2006, 6, 9}));
    EXPECT_EQ(parseDayMonthYear("29/02/2004"), (CivilDate{2004, 2, 29}));
    for (const char* bad : {"", "29/02/2006", "31/06/2006", "00/06/2006", "09/13/2006", "09/06/06",
                            "09-06-2006", "9/6", "ab/06/2006", "09/06/2006 ", " 09/06/2006",
                            "+9/06/2006", "09//2006", "123/06/2006"}) {
        EXPECT_FALSE(parseDayMonthYear(bad)) << bad;
    }
}

TEST(CivilDate, CountsDayBoundariesAcrossMonthsAndYears) {
    EXPECT_EQ(daysBetween({2006, 6, 9}, {2006, 6, 7}), -2);
    EXPECT_EQ(daysBetween({2006, 2, 9}, {2006, 6, 9}), 120);
    EXPECT_EQ(daysBetween({2005, 12, 31}, {2006, 1, 1}), 1);
    EXPECT_EQ(daysBetween({2004, 2, 28}, {2004, 3, 1}), 2);
}

TEST(Twips, ConvertToTheNearestPixel) {
    EXPECT_EQ(twipsToPixels(2790), 186);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
}
