#pragma once

#include "platform/message_box.h"

#include <deque>
#include <string>
#include <vector>

// Answers from a script, in order; with the script used up, Ok or No.
class FakeMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string text;
        std::string title;
        Buttons buttons;
    };

    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        shown.push_back({text, title, buttons});
        if (answers.empty()) {
            return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<Answer> answers;
    std::vector<Shown> shown;
};
