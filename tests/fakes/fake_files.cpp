#include "fakes/fake_files.h"

#include "common/program_path.h"
#include "common/text_search.h"

#include <algorithm>

bool FakeFiles::exists(const std::string& path) const {
    return contents.count(path) > 0 || unreadable.count(path) > 0;
}

// Test folders are all lower case, so comparing whole paths is enough.
bool FakeFiles::existsIgnoringCase(const std::string& path) const {
    return std::any_of(contents.begin(), contents.end(), [&](const auto& entry) {
        return toLowerAscii(entry.first) == toLowerAscii(path);
    });
}

std::optional<std::string> FakeFiles::read(const std::string& path) const {
    const auto it = contents.find(path);
    return it == contents.end() ? std::nullopt : std::optional<std::string>(it->second);
}

bool FakeFiles::write(const std::string& path, const std::string& text) {
    ++writes;
    if (failWrites) {
        return false;
    }
    contents[path] = text;
    return true;
}

bool FakeFiles::remove(const std::string& path) {
    return contents.erase(path) > 0;
}

bool FakeFiles::setHidden(const std::string& path) {
    hidden[path] = true;
    return true;
}

std::string FakeFiles::executablePath() const {
    return programFilePath(folder, baseName + extension);
}
