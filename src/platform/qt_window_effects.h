#pragma once

#include "platform/window_effects.h"

#include <QObject>

#include <memory>

class QtWindowEffects final : public WindowEffects {
public:
    QtWindowEffects();
    ~QtWindowEffects() override;

    void keepOnTop(QWidget& window) override;
    int foregroundWindow() const override;
    int handleOf(const QWidget& window) const override;
    void setOpacity(QWidget& window, int alpha) override;
    bool startSystemMove(QWidget& window) override;

private:
    // Puts the windows it watches on every workspace each time they are shown.
    std::unique_ptr<QObject> everyWorkspace_;
};
