#include "countdown/form1.h"

#include "app/program.h"
#include "countdown/edge_keeping.h"
#include "countdown/form1_parts.h"
#include "countdown/slide_steps.h"
#include "platform/window_effects.h"
#include "team/form2.h"
#include "team/panel_motion.h"

#include <QMoveEvent>

using form1::enable;

void Form1::Opener_Timer() {
    const TwipsRect& geometry = twipsGeometry();
    const SizeStep step = openerStep(geometry.width, geometry.height);
    setTwipsGeometry({geometry.left, geometry.top, step.width, step.height});
    if (step.done) {
        Opener.stop();
    }
}

bool Form1::barFocused() const {
    WindowEffects& effects = program_.services().windowEffects;
    const int foreground = effects.foregroundWindow();
    return foreground == effects.handleOf(*this) || foreground == FormTwoHWND;
}

void Form1::applyOpacity(int level) {
    WindowEffects& effects = program_.services().windowEffects;
    if (Form2* panel = program_.loadedForm2(); panel && FormTwoHWND != 0) {
        effects.setOpacity(*panel, level);
    }
    effects.setOpacity(*this, level);
}

void Form1::focusFade() {
    const FadeDirection start = fadeToStart(animationOn(), opacityLevel_, barFocused());
    if (start == FadeDirection::None) {
        return;
    }
    applyOpacity(opacityLevel_);
    opacityLevel_ = start == FadeDirection::Down ? opaqueLevel : fadedLevel;
    fadeTag_ = start;
    enable(TransTimer);
}

void Form1::TransTimer_Timer() {
    const FadeTick tick = fadeStep(opacityLevel_, fadeTag_);
    if (tick.stop) {
        TransTimer.stop();
        opacityLevel_ = static_cast<short>(tick.level);
        applyOpacity(tick.applied);
        fadeTag_ = FadeDirection::None;
        // At rest again: the focus may have changed while the fade ran.
        wakeTimer3();
        return;
    }
    applyOpacity(tick.applied);
    opacityLevel_ = static_cast<short>(tick.level);
}

EdgeInput Form1::edgeInput(const Form2* panel) const {
    EdgeInput input;
    input.bar = twipsGeometry();
    input.panelOpen = Form2Vis == 1 && panel;
    if (panel) {
        input.panel = panel->twipsGeometry();
    }
    input.screen = monitorTwips();
    input.animated = animationOn();
    return input;
}

void Form1::keepBarOnScreen() {
    Form2* panel = program_.loadedForm2();
    const EdgeInput input = edgeInput(panel);
    const EdgeResult result = keepInsideScreen(input);
    if (result.panelLeft && panel) {
        TwipsRect moved = panel->twipsGeometry();
        moved.left = *result.panelLeft;
        panel->setTwipsGeometry(moved);
    }
    if (result.bar != input.bar) {
        setTwipsGeometry(result.bar);
    }
    for (int call = 0; call < result.moveMeCalls && panel; ++call) {
        panel->MoveMe();
    }
}

void Form1::Timer3_Timer() {
    focusFade();
    if (isVisible()) {
        keepBarOnScreen();
    }
    if (!timer3CanAct()) {
        Timer3.stop();
    }
}

bool Form1::timer3CanAct() const {
    if (fadeToStart(animationOn(), opacityLevel_, barFocused()) != FadeDirection::None) {
        return true;
    }
    if (!isVisible()) {
        return false;
    }
    const EdgeInput input = edgeInput(program_.loadedForm2());
    return keepInsideScreen(input).changesAnything(input);
}

void Form1::wakeTimer3() {
    if (loaded_ && !unloading_) {
        enable(Timer3);
    }
}

void Form1::Draggable_MouseDown(Qt::MouseButton button) {
    gripHeld_ = button == Qt::LeftButton;
}

void Form1::Draggable_MouseMove(Qt::MouseButtons buttons, QPoint at) {
    if (buttons == Qt::LeftButton && gripHeld_) {
        if (followingMouse_) {
            // The grip moves with the bar, so the pointer's offset in it is
            // how far the bar still has to go.
            TwipsRect geometry = twipsGeometry();
            geometry.left += pixelsToTwips(at.x() - grabbedAt_.x());
            geometry.top += pixelsToTwips(at.y() - grabbedAt_.y());
            setTwipsGeometry(geometry);
        } else if (program_.services().windowEffects.startSystemMove(*this)) {
            // The window manager has the button now: its release never
            // reaches us, and Qt goes on reporting it held.
            gripHeld_ = false;
        } else {
            // No window manager to drag for us: follow the mouse ourselves
            // until the button is released.
            followingMouse_ = true;
            grabbedAt_ = at;
        }
    }
    panelFollowsBar();
}

void Form1::Draggable_MouseUp() {
    followingMouse_ = false;
    gripHeld_ = false;
}

void Form1::panelFollowsBar() {
    Form2* panel = program_.loadedForm2();
    if (Form2Vis != 1 || !panel) {
        return;
    }
    panel->MoveMe();
    const TwipsRect& bar = twipsGeometry();
    if (PanelMotion::panelGoesAbove(bar.top, monitorTwips())) {
        TwipsRect above = panel->twipsGeometry();
        above.top = bar.top - above.height;
        panel->setTwipsGeometry(above);
    }
}

void Form1::panelLoaded(int handle) {
    FormTwoHWND = handle;
}

void Form1::panelOpened() {
    Form2Vis = 1;
}

void Form1::panelClosed() {
    FormTwoHWND = 0;
    Form2Vis = 0;
}

void Form1::moveEvent(QMoveEvent* event) {
    // A move the system made (the end of a drag) takes the panel along.
    const TwipsRect& geometry = twipsGeometry();
    const bool bySystem =
        event->pos() != QPoint(twipsToPixels(geometry.left), twipsToPixels(geometry.top));
    TwipsWindow::moveEvent(event);
    if (bySystem) {
        panelFollowsBar();
    }
}
