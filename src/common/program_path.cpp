#include "common/program_path.h"

std::string programFilePath(std::string_view folder, std::string_view fileName) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    path += fileName;
    return path;
}
