#pragma once

#include "platform/auto_start.h"

#include <string>
#include <vector>

class FakeAutoStart final : public AutoStart {
public:
    void set() override {
        calls.push_back("set");
        entry = true;
    }
    void clear() override {
        calls.push_back("clear");
        entry = false;
    }

    bool entry = false;
    std::vector<std::string> calls;
};
