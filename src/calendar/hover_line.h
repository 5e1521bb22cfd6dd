#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace CalenderParsing {

// The line naming the day under the mouse, "Friday 9th. June " (the month
// word keeps its blank), for the cell `index` (1 to 31) showing `dayText`
// under `title`. Nothing, so the line keeps its text, for June's grey 31st
// and for any day the month the title names does not have.
std::optional<std::string> hoverLine(std::string_view title, int index, std::string_view dayText,
                                     bool grey);

} // namespace CalenderParsing
