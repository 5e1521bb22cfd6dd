#pragma once

#include <string>
#include <string_view>

// A file in the program folder: the folder, a separator unless the folder
// already ends in one, and the file name.
std::string programFilePath(std::string_view folder, std::string_view fileName);
