#pragma once

#include "platform/message_box.h"

class QtMessageBox final : public MessageBox {
public:
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override;
};
