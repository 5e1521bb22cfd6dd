#pragma once

#include "platform/window_effects.h"

class QtWindowEffects final : public WindowEffects {
public:
    void keepOnTop(QWidget& window) override;
    int foregroundWindow() const override;
    int handleOf(const QWidget& window) const override;
    void setOpacity(QWidget& window, int alpha) override;
    bool startSystemMove(QWidget& window) override;
};
