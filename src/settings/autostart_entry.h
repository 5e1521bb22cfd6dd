#pragma once

#include <string>
#include <string_view>

// The desktop's autostart entry that starts the program with the session:
// "<base name>.desktop", running the executable by its full path.
namespace Settings {

std::string autoStartFileName(std::string_view executableBaseName);
std::string autoStartEntry(std::string_view executablePath);
// A user's entry that hides the system's entry of the same name.
std::string hiddenAutoStartEntry();

} // namespace Settings
