#include "countdown/day_counter.h"

#include <gtest/gtest.h>

TEST(DayCounter, CountsDaysUntilTheDayBeforeTheOpening) {
    const DayCounterText twoDays = dayCounter({2006, 6, 7});
    EXPECT_EQ(twoDays.caption, "2 Days left until 09/06/06");
    EXPECT_EQ(twoDays.tooltip, "There are 2 days left until the start of the 2006 World Cup.");

    const DayCounterText farOff = dayCounter({2006, 2, 9});
    EXPECT_EQ(farOff.dayCount, 120);
    EXPECT_EQ(farOff.caption, "120 Days left until 09/06/06");
    EXPECT_EQ(farOff.tooltip, "There are 120 days left until the start of the 2006 World Cup.");
}

TEST(DayCounter, AnnouncesTheNextMatchFromTheDayBefore) {
    for (CivilDate day : {CivilDate{2006, 6, 8}, CivilDate{2006, 6, 9}, CivilDate{2006, 6, 10},
                          CivilDate{2026, 12, 6}}) {
        const DayCounterText text = dayCounter(day);
        EXPECT_EQ(text.caption, "The next match is...");
        EXPECT_EQ(text.tooltip, "The next match is...");
    }
    EXPECT_EQ(dayCounter({2006, 6, 8}).dayCount, 1);
    EXPECT_EQ(dayCounter({2006, 6, 10}).dayCount, -1);
}
