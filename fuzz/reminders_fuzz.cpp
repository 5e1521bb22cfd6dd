// A reminder store of any bytes and any text handed to AddReminder: every
// entry is a piece of its line, a due one names its match and counts down,
// and a key, once stored, is read back as exactly one entry.
#include "fuzz_check.h"
#include "reminders/reminder_rules.h"

void fuzzText(std::string_view store) {
    const LocalDateTime now{{2006, 6, 9}, 12, 30, 0, 0};
    for (const std::string_view entry : ReminderMatch::reminderEntries(store)) {
        check(store.find(entry) != std::string_view::npos &&
              entry.find("\r\n") == std::string_view::npos);
        if (const auto alert = ReminderMatch::dueReminder(entry, now)) {
            check(alert->teams.find(" vs ") != std::string::npos &&
                  ReminderMatch::countdownText(alert->kickOff, now).has_value());
        }
    }
    std::string text(store);
    if (const auto key = ReminderMatch::reminderKey(text)) {
        const std::string stored = *key + "\r\n";
        const auto entries = ReminderMatch::reminderEntries(stored);
        check(key->starts_with(";") && entries.size() == 1 && entries[0] == key->substr(1));
    }
}
