#include "platform/flock_instance.h"

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <sstream>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

std::string lockPathFor(const std::string& executablePath) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::ostringstream path;
    path << (runtime && *runtime ? runtime : "/tmp") << "/kickoff-clock-" << getuid() << '-'
         << std::hex << std::hash<std::string>{}(executablePath) << ".lock";
    return path.str();
}

} // namespace

FlockInstance::FlockInstance(const std::string& executablePath)
    : lockPath_(lockPathFor(executablePath)) {}

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
    fd_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
        return false; // no lock to be had: better one copy too many than none
    }
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        another_ = errno == EWOULDBLOCK;
        ::close(fd_);
        fd_ = -1;
    }
    return another_;
}
