#include "calendar/open_calender.h"

namespace CalenderParsing {

namespace {
std::string lastSelector;
}

void OpenCalender(Program&, const std::string& selector) {
    // Will build the day texts of the selected group(s) into Form4 and show it.
    lastSelector = selector;
}

const std::string& lastOpenCalenderSelector() {
    return lastSelector;
}

} // namespace CalenderParsing
