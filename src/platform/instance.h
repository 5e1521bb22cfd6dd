#pragma once

// Whether another copy of the program is already running.
class Instance {
public:
    virtual ~Instance() = default;
    virtual bool anotherRunning() = 0;
};
