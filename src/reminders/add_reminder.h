#pragma once

#include <string>

class Program;

namespace ReminderMatch {

// Turns the panel's text (date CR LF time "|" opponent "|" title) into a
// reminder line and appends it to the reminder store, refusing a duplicate.
// The text's line breaks become "|" on the way.
void AddReminder(Program& program, std::string& text);

// The text of the latest call, until the reminder store exists to hold it.
const std::string& lastAddReminderText();

} // namespace ReminderMatch
