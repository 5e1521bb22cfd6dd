#pragma once

class QWidget;

// What the bar and its panel ask of the window system: staying on top, who
// has the focus, a constant opacity, and a drag by the system.
class WindowEffects {
public:
    virtual ~WindowEffects() = default;

    // Keeps a shown window above normal windows and, like a clock, on every
    // workspace (virtual desktop), also when it is shown again.
    virtual void keepOnTop(QWidget& window) = 0;
    // The handle of the window the user works in: one of ours while the
    // program is active, a foreign non-zero one while another program is,
    // 0 when no window has the focus.
    virtual int foregroundWindow() const = 0;
    // The handle the foreground window is compared with.
    virtual int handleOf(const QWidget& window) const = 0;
    // Alpha 0 to 255 for the whole window.
    virtual void setOpacity(QWidget& window, int alpha) = 0;
    // Hands the window to the system to follow the mouse until the button is
    // released; false where the system cannot (no window manager).
    virtual bool startSystemMove(QWidget& window) = 0;
};
