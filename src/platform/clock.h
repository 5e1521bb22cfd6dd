#pragma once

#include "common/civil_date.h"

// The local date and time now.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};
