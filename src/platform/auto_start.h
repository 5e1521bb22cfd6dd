#pragma once

// Starting the program together with the desktop session, for every user of
// the machine where that can be written. Failures are not reported.
class AutoStart {
public:
    virtual ~AutoStart() = default;
    virtual void set() = 0;
    virtual void clear() = 0;
};
