#pragma once

#include <string>
#include <string_view>

class Program;

namespace ReminderMatch {

// Turns the panel's text (date CR LF time "|" opponent "|" title) into a
// reminder line and appends it to the reminder store, refusing a duplicate.
// The text's line breaks become "|" on the way.
void AddReminder(Program& program, std::string& text);

// One pass of the reminder check over the store: every due reminder is put
// into the alert window in turn, so the last one in the store stays shown.
void CheckMatchs(Program& program, std::string_view store);

} // namespace ReminderMatch
