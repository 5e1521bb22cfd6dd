#include "platform/end_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    // A full pipe already holds a signal the loop has yet to see.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default: the program ends unsaved
    }
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        notifier_->setEnabled(false);
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        ::sigaction(signal, &action, nullptr);
    }
}

EndSignals::~EndSignals() {
    if (notifier_) {
        struct sigaction action {};
        action.sa_handler = SIG_DFL;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::sigaction(signal, &action, nullptr);
        }
        notifier_.reset();
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
    }
}
