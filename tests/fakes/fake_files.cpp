#include "fakes/fake_files.h"

#include "common/text_search.h"

bool FakeFiles::exists(const std::string& path) const {
    return contents.count(path) > 0;
}

bool FakeFiles::existsIgnoringCase(const std::string& path) const {
    const auto slash = path.rfind('/');
    const std::string folderPart = path.substr(0, slash + 1);
    const std::string name = toLowerAscii(path.substr(slash + 1));
    for (const auto& [existing, text] : contents) {
        const auto existingSlash = existing.rfind('/');
        if (existing.substr(0, existingSlash + 1) == folderPart &&
            toLowerAscii(existing.substr(existingSlash + 1)) == name) {
            return true;
        }
    }
    return false;
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
