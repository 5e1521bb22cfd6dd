#pragma once

#include <string_view>

// A server's error page instead of the schedule: the word "found" (letter
// case significant) at the fourth character or later of the answer. Only
// the first occurrence counts.
bool isErrorPage(std::string_view answer);
