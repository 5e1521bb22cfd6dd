#pragma once

#include "platform/window_effects.h"

#include <QWidget>

#include <utility>
#include <vector>

// Handles are the windows' own ids; the test says which one is in front.
class FakeWindowEffects final : public WindowEffects {
public:
    void keepOnTop(QWidget& window) override { keptOnTop.push_back(&window); }
    int foregroundWindow() const override { return foreground; }
    int handleOf(const QWidget& window) const override { return static_cast<int>(window.winId()); }
    void setOpacity(QWidget& window, int alpha) override { opacities.emplace_back(&window, alpha); }
    bool startSystemMove(QWidget&) override {
        ++systemMoves;
        return systemMoveWorks;
    }

    // The alphas given to one window, in order.
    std::vector<int> opacitiesOf(const QWidget* window) const {
        std::vector<int> alphas;
        for (const auto& [target, alpha] : opacities) {
            if (target == window) {
                alphas.push_back(alpha);
            }
        }
        return alphas;
    }

    int foreground = 0;
    bool systemMoveWorks = true;
    int systemMoves = 0;
    std::vector<QWidget*> keptOnTop;
    std::vector<std::pair<QWidget*, int>> opacities;
};
