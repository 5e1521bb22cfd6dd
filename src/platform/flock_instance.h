#pragma once

#include "platform/instance.h"

#include <string>

// One lock per executable path, held by the first copy for its whole run.
// The system drops the lock when that process ends, however it ends, so a
// crashed or killed copy never blocks the next start. The lock lives in a
// folder that is the user's alone: the runtime folder, or one in the cache.
class FlockInstance final : public Instance {
public:
    explicit FlockInstance(const std::string& executablePath);
    ~FlockInstance() override;
    FlockInstance(const FlockInstance&) = delete;
    FlockInstance& operator=(const FlockInstance&) = delete;

    bool anotherRunning() override;

private:
    std::string lockName_;
    int fd_ = -1;
    bool checked_ = false;
    bool another_ = false;
};
