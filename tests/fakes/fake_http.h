#pragma once

#include "platform/http.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Canned answers by address; an address without one fails like a server
// that cannot be reached. Records every request.
class FakeHttp final : public Http {
public:
    std::optional<std::string> getText(const std::string& url) override {
        return answer(url, textAnswers);
    }
    std::optional<std::string> getBytes(const std::string& url) override {
        return answer(url, byteAnswers);
    }
    void getBytesLater(const std::string& url,
                       std::function<void(std::optional<std::string>)> done) override {
        done(answer(url, byteAnswers));
    }
    // Every request is over when it returns, as with the real one.
    bool stillExecuting() const override { return false; }

    std::map<std::string, std::string> textAnswers;
    std::map<std::string, std::string> byteAnswers;
    std::vector<std::string> requested;
    // Runs inside every request, as the real one runs pending events.
    std::function<void()> whileWaiting;

private:
    std::optional<std::string> answer(const std::string& url,
                                      const std::map<std::string, std::string>& answers) {
        requested.push_back(url);
        if (whileWaiting) {
            whileWaiting();
        }
        const auto it = answers.find(url);
        return it == answers.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
};
