#pragma once

#include <string>

class Program;

namespace CalenderParsing {

// Fills the June calendar with the matches of the group the selector names
// ("(group a)", any letter case) or, for any other text, of all groups, and
// shows the calendar window, loading it first when needed.
void OpenCalender(Program& program, const std::string& selector);

} // namespace CalenderParsing
