#include "platform/qt_window_effects.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {

// Stands for any window of another program: we cannot see which one.
constexpr int foreignWindow = -1;

} // namespace

void QtWindowEffects::keepOnTop(QWidget& window) {
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    window.show();
    window.raise();
}

int QtWindowEffects::foregroundWindow() const {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        return foreignWindow;
    }
    const QWindow* focused = QGuiApplication::focusWindow();
    return focused ? static_cast<int>(focused->winId()) : 0;
}

int QtWindowEffects::handleOf(const QWidget& window) const {
    return static_cast<int>(window.winId());
}

void QtWindowEffects::setOpacity(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / 255.0);
}

bool QtWindowEffects::startSystemMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}
