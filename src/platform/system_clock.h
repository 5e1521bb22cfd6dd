#pragma once

#include "platform/clock.h"

// The machine's local time (faketime moves it for the demo and the tests).
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};
