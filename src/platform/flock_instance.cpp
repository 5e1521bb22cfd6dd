#include "platform/flock_instance.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The runtime folder is the user's own; without one, a folder in the user's
// cache, never a name in /tmp that another user could take first.
std::string lockFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
        return runtime;
    }
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    if (cache && *cache) {
        return std::string(cache) + "/kickoff-clock";
    }
    return home && *home ? std::string(home) + "/.cache/kickoff-clock" : "";
}

// The folder, opened without following a link, when this user owns it and
// no one else may write in it; -1 otherwise.
int openOwnFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), error);
    ::mkdir(folder.c_str(), 0700);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat status {};
    if (fd >= 0 && ::fstat(fd, &status) == 0 && status.st_uid == ::geteuid() &&
        (status.st_mode & (S_IWGRP | S_IWOTH)) == 0) {
        return fd;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return -1;
}

} // namespace

FlockInstance::FlockInstance(const std::string& executablePath) {
    std::ostringstream name;
    name << "kickoff-clock-" << std::hex << std::hash<std::string>{}(executablePath) << ".lock";
    lockName_ = name.str();
}

FlockInstance::~FlockInstance() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FlockInstance::anotherRunning() {
    if (checked_) {
        return another_;
    }
    checked_ = true;
    // No lock to be had: better one copy too many than none.
    const std::string folder = lockFolder();
    const int folderFd = folder.empty() ? -1 : openOwnFolder(folder);
    if (folderFd < 0) {
        return false;
    }
    fd_ = ::openat(folderFd, lockName_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    ::close(folderFd);
    if (fd_ < 0) {
        return false;
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        another_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
    return another_;
}
