#pragma once

#include "platform/shell.h"

class DesktopShell final : public Shell {
public:
    void open(const std::string& target) override;
};
