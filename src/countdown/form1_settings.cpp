#include "countdown/form1.h"

#include "countdown/form1_parts.h"
#include "countdown/slide_steps.h"
#include "settings/settings_toggles_ui.h"
#include "widgets/hot_area.h"

#include <QMouseEvent>

using form1::enable;

void Form1::Animated_Click() {
    settings_->flipAnimated();
}

void Form1::AutoLoad_Click() {
    settings_->flipAutoLoad();
}

void Form1::AutoComplete_Click() {
    settings_->flipAutoComplete();
}

void Form1::Image1_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        startSettingsOpen();
    }
}

void Form1::mousePressEvent(QMouseEvent* event) {
    // The day counter and the match line let presses through to the face
    // beneath them (they take the mouse only to show their tooltips).
    if (Image1->geometry().contains(event->position().toPoint())) {
        Image1_MouseDown(event->button());
    }
}

void Form1::CloseSettings_Click() {
    startSettingsClose();
}

void Form1::startSettingsOpen() {
    SettingsClose.stop();
    enable(SettingsOpen);
}

void Form1::startSettingsClose() {
    SettingsOpen.stop();
    enable(SettingsClose);
}

void Form1::SettingsOpen_Timer() {
    slide(SettingsOpen, &TwipsRect::width, settingsOpenStep);
}

void Form1::SettingsClose_Timer() {
    slide(SettingsClose, &TwipsRect::width, settingsCloseStep);
}

void Form1::slide(QTimer& timer, int TwipsRect::*side, SlideStep (*rule)(int, bool)) {
    TwipsRect geometry = twipsGeometry();
    const SlideStep step = rule(geometry.*side, animationOn());
    geometry.*side = step.value;
    setTwipsGeometry(geometry);
    if (step.done) {
        timer.stop();
    }
}
