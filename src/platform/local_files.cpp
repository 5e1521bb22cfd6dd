#include "platform/local_files.h"

#include "common/text_search.h"
#include "platform/own_file.h"

#include <cerrno>
#include <cstdio>
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

fs::path runningExecutable() {
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
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

// A replaced file keeps the permissions the user gave it; a new one is
// readable by all, as a program's own files usually are.
mode_t modeFor(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0644;
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
    std::string temporary = path + ".XXXXXX";
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

int LocalFiles::openScript(const std::string& path) {
    // Never through a link, and never waiting on a pipe's writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    const char* refusal = fd < 0 ? (errno == ELOOP ? "is a symbolic link" : "cannot be opened")
                          : ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
                              ? "is no plain file"
                          : !onlyThisUserWrites(status) ? "is not this user's alone"
                                                        : nullptr;
    if (!refusal) {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    std::fprintf(stderr, "kickoff-clock: %s %s; not run\n", path.c_str(), refusal);
    return -1;
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
