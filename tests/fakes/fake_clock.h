#pragma once

#include "platform/clock.h"

class FakeClock final : public Clock {
public:
    LocalDateTime now() const override { return now_; }
    void set(const LocalDateTime& now) { now_ = now; }

private:
    LocalDateTime now_{{2006, 6, 1}, 12, 0, 0};
};
