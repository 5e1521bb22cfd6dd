#pragma once

#include "platform/instance.h"

#include <QLockFile>

#include <memory>
#include <string>

// One lock file per executable path: the first copy holds it for its whole
// run; a crashed copy's stale lock is taken over.
class LockFileInstance final : public Instance {
public:
    explicit LockFileInstance(const std::string& executablePath);
    bool anotherRunning() override;

private:
    std::unique_ptr<QLockFile> lock_;
    bool checked_ = false;
    bool another_ = false;
};
