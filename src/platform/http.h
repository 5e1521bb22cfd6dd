#pragma once

#include <functional>
#include <optional>
#include <string>

// Blocking HTTP GET. While a request waits, pending events keep running, so
// window timers go on ticking. Only http and https addresses are requested;
// everything else fails at once.
class Http {
public:
    virtual ~Http() = default;

    // The body of whatever the server answered, error pages included.
    // Nothing when no complete answer came (no connection, time-out, cut off,
    // too large).
    virtual std::optional<std::string> getText(const std::string& url) = 0;
    // The body of a successful answer, byte for byte; nothing otherwise.
    virtual std::optional<std::string> getBytes(const std::string& url) = 0;
    // The same as getBytes for something small that nobody waits for (the
    // about animation), under tighter limits; returns at once, and `done`
    // gets the answer later.
    virtual void getBytesLater(const std::string& url,
                               std::function<void(std::optional<std::string>)> done) = 0;
    // Whether a request is still under way.
    virtual bool stillExecuting() const = 0;
};
