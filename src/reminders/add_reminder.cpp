#include "reminders/add_reminder.h"

namespace ReminderMatch {

namespace {
std::string lastText;
}

void AddReminder(Program&, std::string& text) {
    // Will append the reminder line built from `text` to Form3's Reminders.
    lastText = text;
}

const std::string& lastAddReminderText() {
    return lastText;
}

} // namespace ReminderMatch
