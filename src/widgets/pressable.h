#pragma once

#include <functional>

// Something on a window the user can click. Screen readers and UI tools see
// it as a push button named by its accessible name, whose press action does
// what the click does; the window may give it another action where a click
// means nothing without the mouse. Without a name it only decorates and
// stays out of their sight.
class Pressable {
public:
    virtual ~Pressable() = default;

    void press() {
        if (pressAction_) {
            pressAction_();
        } else {
            click();
        }
    }
    void setPressAction(std::function<void()> action) { pressAction_ = std::move(action); }

protected:
    // A left click: the button goes down and comes up over the element.
    virtual void click() = 0;

private:
    std::function<void()> pressAction_;
};
