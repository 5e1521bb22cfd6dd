#pragma once

#include <string>

class Program;

namespace CalenderParsing {

// Fills the June calendar with the matches of the group the selector names
// ("(group a)", any letter case) or, for any other text, of all groups, and
// shows the calendar window.
void OpenCalender(Program& program, const std::string& selector);

// The selector of the latest call, until the calendar window exists to show it.
const std::string& lastOpenCalenderSelector();

} // namespace CalenderParsing
