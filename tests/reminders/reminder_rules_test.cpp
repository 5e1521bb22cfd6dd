#include "reminders/reminder_rules.h"

#include <gtest/gtest.h>

using namespace ReminderMatch;
using namespace std::string_literals;

namespace {
LocalDateTime at(int hour, int minute, int second = 0, int day = 9, int millisecond = 0) {
    return {{2006, 6, day}, hour, minute, second, millisecond};
}
} // namespace

TEST(ReminderRules, GarbledTextsAreNeverDueAndHideNoValidOne) {
    std::string panelText = "09/06/2006\r\n18:00|Costa rica|Germany (group a)";
    EXPECT_EQ(reminderKey(panelText), ";09/06/2006|18:00|Costa rica|Germany|a");
    panelText = "09/06/2006\r\n18:00|Costa rica|Germany (Group a)";
    EXPECT_EQ(reminderKey(panelText), std::nullopt);
    const std::string germany = "09/06/2006|18:00|Costa rica|Germany|a";
    const std::string store = ";" + germany + "\r\nno semicolon\r\n;|\r\n;\0\xff|\x01|\r\n"s +
                              ";31/06/2006|18:00|a|b|c\r\n;09/06/2006|18h00|a|b|c\r\n" +
                              ";06/09/2006|18:00|a|b|c\r\n;" + germany; // the last is unended
    std::vector<std::string> due;
    for (const std::string_view entry : reminderEntries(store)) {
        if (const auto alert = dueReminder(entry, at(9, 30))) {
            due.push_back(alert->teams + ", " + alert->dateAndTime + ", " + alert->kickOff);
        }
    }
    EXPECT_EQ(due, std::vector<std::string>{"Costa rica vs Germany, 09/06/2006 18:00, 18:00"});
    // The kick-off hour itself still counts; hour 0 never does.
    for (auto [entry, now, isDue] : {std::tuple{germany, at(18, 40), true},
                                     {germany, at(19, 5), false},
                                     {germany, at(9, 30, 0, 10), false},
                                     {"09/06/2006|00:30|a|b|c"s, at(0, 10), false}}) {
        EXPECT_EQ(dueReminder(entry, now).has_value(), isDue) << entry << " " << now.hour;
    }
}

TEST(ReminderRules, TheCountdownAndTheChecksSleep) {
    for (auto [now, caption] : {std::pair{at(9, 30), "Match starts in 510 minutes 0 seconds"},
                                {at(17, 58, 30, 1), "Match starts in 1 minutes 30 seconds"},
                                {at(18, 0), "Match has started at 18:00"}}) {
        EXPECT_EQ(countdownText("18:00", now)->caption, caption);
    }
    EXPECT_TRUE(countdownText("18:00", at(18, 0))->started);
    EXPECT_FALSE(countdownText("Playing 20 minutes...", at(9, 30)));
    // Up to a minute, and the next hour is met within 600 ms.
    for (auto [now, delay] :
         {std::pair{at(10, 0), 60000}, {at(10, 59, 58), 1000}, {at(23, 59, 59), 600}}) {
        EXPECT_EQ(nextCheckDelay(now), delay) << now.minute << ":" << now.second;
    }
    // The countdown ticks just after each turn of a second, however late the last tick.
    for (auto [millisecond, delay] : {std::pair{0, 1005}, {400, 605}, {999, 6}}) {
        EXPECT_EQ(nextCountdownTick(at(9, 30, 0, 9, millisecond)), delay) << millisecond;
    }
}
