#pragma once

#include <string_view>

// The exact check used while auto-complete is off: the whole text, lower-cased
// and untrimmed, must be one of the 32 search keys.
bool namesTeamExactly(std::string_view text);
