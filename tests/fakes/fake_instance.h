#pragma once

#include "platform/instance.h"

class FakeInstance final : public Instance {
public:
    bool anotherRunning() override { return another; }
    bool another = false;
};
