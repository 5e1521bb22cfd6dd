#pragma once

#include "widgets/hot_area.h"
#include "widgets/twips_window.h"

#include <QColor>
#include <QLabel>
#include <QTimer>

// Font and colour of a label: Arial at a pixel size, on a transparent ground.
struct LabelLook {
    QColor colour;
    int pixelSize;
    bool bold;
};

void setLabelLook(QLabel* label, const LabelLook& look);

// A label element at its twips place, with its caption and look.
template <typename Label>
Label* makeLabel(QWidget* parent, const char* name, const QString& caption, const LabelLook& look,
                 int left, int top, int width, int height) {
    auto* label = new Label(caption, parent);
    label->setObjectName(name);
    setLabelLook(label, look);
    placeTwips(label, left, top, width, height);
    return label;
}

// Shows `text` as the element's tooltip character for character, markup and
// all, and gives screen readers the same words.
void setPlainToolTip(QWidget* element, const QString& text);

// An image element at its twips place.
HotArea* makeHotArea(QWidget* parent, const char* name, int left, int top, int width, int height);

// A window's close button: "CloseMe", the Close picture's square, named for
// screen readers; a click runs `onClose`.
template <typename Window>
HotArea* makeCloseButton(Window* window, int left, int top, void (Window::*onClose)()) {
    HotArea* button = makeHotArea(window, "CloseMe", left, top, 255, 255);
    button->setAccessibleName("Close");
    QObject::connect(button, &HotArea::clicked, window, onClose);
    return button;
}

// A window's timer, named as the window knows it (tests find it by name).
inline void nameTimer(QTimer& timer, QObject* window, const char* name) {
    timer.setParent(window);
    timer.setObjectName(name);
}

// A window's timer, named and ticking on time; each tick runs `tick`.
template <typename Window>
void makeTimer(QTimer& timer, Window* window, const char* name, int interval,
               void (Window::*tick)()) {
    nameTimer(timer, window, name);
    timer.setInterval(interval);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, window, tick);
}
