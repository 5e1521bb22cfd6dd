#pragma once

#include "common/civil_date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The reminder store's rules: lines ";" date "|" time "|" team "|" team "|"
// group letter, each ended by CR LF.
namespace ReminderMatch {

// The reminder line (without its CR LF) for the team panel's text: date CR LF
// time "|" opponent "|" title ending in " (group " letter ")". The text's
// CR LFs become "|" on the way. Nothing for a text without three "|" or
// without the group suffix after them.
std::optional<std::string> reminderKey(std::string& text);

// The entries CheckMatchs looks at: the text from each line's ";" up to its
// CR LF. A last line without CR LF is not among them.
std::vector<std::string_view> reminderEntries(std::string_view store);

// What the alert window shows for a due reminder.
struct ReminderAlert {
    std::string teams;       // team " vs " team
    std::string dateAndTime; // date " " time
    std::string kickOff;     // the time, hours and minutes
};

// An entry (date "|" time "|" team "|" team "|" ...) is due on its day while
// its kick-off hour has not passed. A date or time that cannot be read, a
// kick-off hour of 0 or a missing field is never due.
std::optional<ReminderAlert> dueReminder(std::string_view entry, const LocalDateTime& now);

// The alert's countdown text from `now` to the kick-off time of day (dates
// play no part); `started` once kick-off has come. Nothing when the kick-off
// time cannot be read.
struct CountdownText {
    std::string caption;
    bool started = false;
};
std::optional<CountdownText> countdownText(std::string_view kickOff, const LocalDateTime& now);

// Milliseconds from `now` to just after the next turn of a second, when the
// countdown ticks, so that each of its numbers shows for one second.
int nextCountdownTick(const LocalDateTime& now);

// The check runs this long after the store was loaded or has grown.
constexpr int checkInterval = 600;

// How long the check may sleep after one that found nothing due. Nothing can
// fall due between the store's changes except at a change of the date or
// the hour, so it sleeps to just before the next full hour, then looks every
// checkInterval until the hour has turned (reckoned in whole seconds),
// but never longer than a minute, so a clock set by hand is noticed.
int nextCheckDelay(const LocalDateTime& now);

} // namespace ReminderMatch
