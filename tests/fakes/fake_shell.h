#pragma once

#include "platform/shell.h"

#include <string>
#include <vector>

class FakeShell final : public Shell {
public:
    void open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};
