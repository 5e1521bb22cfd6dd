#pragma once

#include <string>

// A modal message box; returns the button the user pressed.
class MessageBox {
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(const std::string& text, const std::string& title, Buttons buttons) = 0;
};
