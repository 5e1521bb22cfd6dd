#pragma once

#include <string>
#include <string_view>

// The folder's desktop.ini: six lines, each ended by CR LF, naming the
// executable (its base name plus ".exe") as the folder's icon.
std::string desktopIniText(std::string_view executableBaseName);
