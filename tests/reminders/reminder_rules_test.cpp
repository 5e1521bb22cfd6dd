#include "reminders/reminder_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace ReminderMatch;
using namespace std::string_literals;

namespace {

constexpr CivilDate matchDay{2006, 6, 9};
const std::string germany = "09/06/2006|18:00|Costa rica|Germany|a";

LocalDateTime at(int hour, int minute, int second, CivilDate date = matchDay) {
    return {date, hour, minute, second};
}

} // namespace

TEST(ReminderKey, ComesFromThePanelsTextOrNotAtAll) {
    const struct {
        std::string text;
        std::optional<std::string> key;
    } cases[] = {
        {"09/06/2006\r\n18:00|Costa rica|Germany (group a)", ";" + germany},
        {"09/06/2006\r\n18:00|Germany|Costa rica (group a)",
         ";09/06/2006|18:00|Germany|Costa rica|a"},
        {"09/06/2006\r\n18:00|Germany (group a)", std::nullopt},            // two "|"
        {"09/06/2006\r\n18:00|Costa rica|Germany", std::nullopt},           // no suffix
        {"09/06/2006\r\n18:00|Costa rica|Germany (Group a)", std::nullopt}, // letter case
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(reminderKey(text), c.key) << c.text;
        EXPECT_EQ(text.find("\r\n"), std::string::npos) << "line breaks become |";
    }
}

TEST(ReminderEntries, AreTheTextsFromSemicolonToCrLf) {
    using Entries = std::vector<std::string_view>;
    const struct {
        std::string store;
        Entries entries;
    } cases[] = {
        {"", {}},
        {";" + germany + "\r\n;b\r\n", {germany, "b"}},
        {";a\r\n;not ended", {"a"}},
        {"no semicolon\r\n;a\r\n", {"a"}},
        {"no semicolon\r\nnor here\r\n", {}},
        {";a;b\r\n;\r\n", {"a;b", ""}},
        {"\0;\xff|\r\n"s, {"\xff|"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reminderEntries(c.store), c.entries) << c.store;
    }
}

TEST(DueReminder, OnItsDayUntilItsHourHasPassed) {
    const auto alert = dueReminder(germany, at(9, 30, 0));
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->teams, "Costa rica vs Germany");
    EXPECT_EQ(alert->dateAndTime, "09/06/2006 18:00");
    EXPECT_EQ(alert->kickOff, "18:00");

    const struct {
        std::string entry;
        LocalDateTime now;
        bool due;
    } cases[] = {
        {germany, at(18, 40, 0), true}, // the hour itself still counts
        {germany, at(0, 0, 0), true},
        {germany, at(19, 5, 0), false},
        {germany, at(9, 30, 0, {2006, 6, 10}), false},
        {germany, at(9, 30, 0, {2006, 6, 8}), false},
        {"9/6/2006|18:00|a|b|c", at(9, 30, 0), true},
        {"06/09/2006|18:00|a|b|c", at(9, 30, 0), false}, // day first, whatever the locale
        {"09/06/2006|00:30|a|b|c", at(0, 10, 0), false}, // hour 0 is never due
        {"09/06/2006|18:00|Costa rica|Germany", at(9, 30, 0), false}, // no group field
        {"09/06/2006", at(9, 30, 0), false},
        {"31/06/2006|18:00|a|b|c", at(9, 30, 0), false},
        {"09.06.2006|18:00|a|b|c", at(9, 30, 0), false},
        {"09/06/2006|18h00|a|b|c", at(9, 30, 0), false},
        {"09/06/2006|24:00|a|b|c", at(9, 30, 0), false},
        {"09/06/2006|18:-1|a|b|c", at(9, 30, 0), false},
        {"09/06/2006|\0\xff:00|a|b|c"s, at(9, 30, 0), false},
        {"", at(9, 30, 0), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dueReminder(c.entry, c.now).has_value(), c.due) << c.entry << " " << c.now.hour;
    }
}

TEST(CountdownText, CountsTheTimeOfDayToKickOff) {
    const struct {
        const char* kickOff;
        LocalDateTime now;
        std::optional<std::string> caption;
        bool started;
    } cases[] = {
        {"18:00", at(9, 30, 0), "Match starts in 510 minutes 0 seconds", false},
        {"18:00", at(17, 58, 30), "Match starts in 1 minutes 30 seconds", false},
        {"18:00", at(17, 59, 59, {2006, 7, 1}), "Match starts in 0 minutes 1 seconds", false},
        {"18:00", at(18, 0, 0), "Match has started at 18:00", true},
        {"18:00", at(18, 40, 0), "Match has started at 18:00", true},
        {"Playing 20 minutes...", at(9, 30, 0), std::nullopt, false},
    };
    for (const auto& c : cases) {
        const auto text = countdownText(c.kickOff, c.now);
        EXPECT_EQ(text ? std::optional(text->caption) : std::nullopt, c.caption);
        EXPECT_EQ(text && text->started, c.started);
    }
}

// Nothing can fall due between the hours, so the check sleeps up to a minute
// and is never more than 0.6 s late for the next hour.
TEST(NextCheckDelay, SleepsAMinuteAtMostAndMeetsTheHour) {
    const struct {
        LocalDateTime now;
        int delay;
    } cases[] = {
        {at(10, 0, 0), 60000},  {at(10, 58, 30), 60000}, {at(10, 59, 0), 59000},
        {at(10, 59, 58), 1000}, {at(10, 59, 59), 600},   {at(23, 59, 59), 600},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nextCheckDelay(c.now), c.delay) << c.now.minute << ":" << c.now.second;
    }
}

TEST(ReminderStore, ALargeGarbledStoreStillHasItsValidEntryDue) {
    std::string store;
    for (int i = 0; i < 40000; ++i) {
        store += ";\0\x80|\xff|\r\n;no bars"s + "\r\n;09/06/2006|18:0\r\nnone\r\n";
    }
    store += ";" + germany + "\r\n";
    store += std::string(10'000'000 - store.size(), '|');
    int due = 0;
    for (const std::string_view entry : reminderEntries(store)) {
        due += dueReminder(entry, at(9, 30, 0)).has_value();
    }
    EXPECT_EQ(due, 1);
}
