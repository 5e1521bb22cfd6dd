#pragma once

#include "platform/http.h"

#include <QNetworkAccessManager>

// Http over QNetworkAccessManager, waiting in a local event loop. Limits keep
// a bad server from stalling the program: a deadline for the whole transfer,
// a time-out for a silent connection, and a cap on the body's size.
class QtHttp final : public Http {
public:
    struct Limits {
        int deadlineMs;
        int silenceMs;
        long long maxBytes;
    };
    // The schedule: two requests at most at start-up, together within 10 s.
    static constexpr Limits textLimits{5000, 5000, 1LL << 20};
    // The update archive: the user waits for it knowingly, but never forever.
    static constexpr Limits byteLimits{30 * 60 * 1000, 10000, 64LL << 20};
    // The about animation: parsed on the window thread, so kept small.
    static constexpr Limits laterLimits{10000, 10000, 256LL << 10};

    explicit QtHttp(Limits text = textLimits, Limits bytes = byteLimits,
                    Limits later = laterLimits);

    std::optional<std::string> getText(const std::string& url) override;
    std::optional<std::string> getBytes(const std::string& url) override;
    void getBytesLater(const std::string& url,
                       std::function<void(std::optional<std::string>)> done) override;
    bool stillExecuting() const override { return executing_ > 0; }

private:
    using Done = std::function<void(std::optional<std::string>)>;
    // Starts a request; `done` runs once with the answer, possibly before
    // this returns (and then no reply is returned).
    QNetworkReply* start(const std::string& url, const Limits& limits, bool acceptErrorPages,
                         Done done);
    std::optional<std::string> get(const std::string& url, const Limits& limits,
                                   bool acceptErrorPages);

    QNetworkAccessManager manager_;
    Limits text_;
    Limits bytes_;
    Limits later_;
    int executing_ = 0;
};
