#include "platform/local_files.h"

#include "common/text_search.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Read once, at start: a package upgrade while the program runs deletes the
// file, and the link then names "<path> (deleted)", which is no program.
const fs::path& runningExecutable() {
    static const fs::path path = [] {
        std::error_code error;
        std::string link = fs::read_symlink("/proc/self/exe", error).string();
        constexpr std::string_view deleted = " (deleted)";
        if (link.ends_with(deleted)) {
            link.resize(link.size() - deleted.size());
        }
        return error ? fs::path() : fs::path(link);
    }();
    return path;
}

// A save's temporary file: hidden, beside its target, named as no other
// program names its files, so one left by a kill is known for ours.
constexpr std::string_view temporaryMark = ".kc-save-";
constexpr std::size_t temporaryRandom = 6; // mkstemp's XXXXXX

std::string temporaryFor(const std::string& path) {
    const fs::path target(path);
    return (target.parent_path() / ("." + target.filename().string())).string() +
           std::string(temporaryMark) + std::string(temporaryRandom, 'X');
}

bool isTemporaryName(std::string_view name) {
    return name.starts_with('.') && name.size() > temporaryMark.size() + temporaryRandom &&
           name.substr(name.size() - temporaryRandom - temporaryMark.size(),
                       temporaryMark.size()) == temporaryMark;
}

// The process's umask, without setting it (another thread may be creating
// a file meanwhile).
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
        }
    }
    return 022;
}

// Writes all bytes to a file descriptor, retrying short writes.
bool writeAll(int fd, const std::string& contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A replaced regular file keeps the permissions the user gave it, but never
// runs as its owner; anything else (a new file, a symlink, a pipe) gives way
// to a new file as the user's umask makes it.
mode_t modeFor(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        return status.st_mode & 07777 & ~mode_t{S_ISUID | S_ISGID};
    }
    return 0666 & ~currentUmask();
}

// The rename lives in the folder: until the folder reaches the disk, a power
// cut can still bring back the old file, or none. Best effort: some file
// systems cannot sync a folder, and the new file is in place already.
void syncFolderOf(const std::string& path) {
    const fs::path folder = fs::path(path).parent_path();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

LocalFiles::LocalFiles() {
    const std::string folder = runningExecutable().parent_path().string();
    folders_ = {folder, folder};
}

LocalFiles::LocalFiles(FileFolders folders) : folders_(std::move(folders)) {}

bool LocalFiles::exists(const std::string& path) const {
    std::error_code error;
    return fs::exists(path, error);
}

bool LocalFiles::existsIgnoringCase(const std::string& path) const {
    const fs::path wanted(path);
    const std::string wantedName = toLowerAscii(wanted.filename().string());
    std::error_code error;
    for (fs::directory_iterator it(wanted.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        if (toLowerAscii(it->path().filename().string()) == wantedName) {
            return true;
        }
    }
    return false;
}

std::optional<std::string> LocalFiles::read(const std::string& path) const {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return contents.str();
}

bool LocalFiles::write(const std::string& path, const std::string& contents) {
    // The user's folders may not be there yet at the first start.
    const fs::path folder = fs::path(path).parent_path();
    if (folder == folders_.program || folder == folders_.downloads) {
        std::error_code error;
        fs::create_directories(folder, error);
    }
    // A temporary file beside the target, then one rename over it: readers
    // see the old file or the new one, never a part of either.
    std::string temporary = temporaryFor(path);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    const bool complete =
        writeAll(fd, contents) && ::fchmod(fd, modeFor(path)) == 0 && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!complete || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

bool LocalFiles::remove(const std::string& path) {
    std::error_code error;
    return fs::remove(path, error);
}

bool LocalFiles::moveAside(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    // A file system that cannot refuse to replace: look first.
    return errno == EINVAL && !exists(to) && std::rename(from.c_str(), to.c_str()) == 0;
}

void LocalFiles::removeStaleTemporaries() {
    for (const std::string& folder : {folders_.program, folders_.downloads}) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            struct stat status {};
            const std::string path = it->path().string();
            if (isTemporaryName(it->path().filename().string()) &&
                ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
                status.st_uid == ::geteuid()) {
                ::unlink(path.c_str());
            }
        }
    }
}

bool LocalFiles::setHidden(const std::string& path) {
    // Linux has no hidden attribute: file managers hide the names listed,
    // one a line, in the folder's ".hidden".
    const fs::path file(path);
    const std::string name = file.filename().string();
    const std::string listing = (file.parent_path() / ".hidden").string();
    const std::optional<std::string> names = read(listing);
    if (!names && exists(listing)) {
        return false; // a listing we cannot read is not ours to replace
    }
    std::string updated = names.value_or("");
    std::istringstream lines(updated);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == name) {
            return true;
        }
    }
    if (!updated.empty() && updated.back() != '\n') {
        updated += '\n';
    }
    updated += name + '\n';
    return write(listing, updated);
}

std::string LocalFiles::programFolder() const {
    return folders_.program;
}

std::string LocalFiles::downloadFolder() const {
    return folders_.downloads;
}

std::string LocalFiles::executablePath() const {
    return runningExecutable().string();
}

std::string LocalFiles::executableBaseName() const {
    return runningExecutable().stem().string();
}
