#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a logout, a closed terminal, Ctrl+C), brought
// into the event loop: the handler only writes a byte to a pipe, and a
// notifier on its other end calls `onSignal` from the loop, where windows
// and files may be used. The first signal calls it; later ones are taken
// and dropped, so they cannot cut its work short.
class EndSignals {
public:
    explicit EndSignals(std::function<void()> onSignal);
    ~EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};
