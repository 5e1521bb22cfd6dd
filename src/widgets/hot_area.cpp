#include "widgets/hot_area.h"

#include "widgets/accessibility.h"

#include <QMouseEvent>

HotArea::HotArea(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    Accessibility::install();
}

void HotArea::click() {
    emit pressed(Qt::LeftButton);
    emit released(Qt::LeftButton);
    emit clicked();
}

void HotArea::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button());
}

void HotArea::mouseReleaseEvent(QMouseEvent* event) {
    emit released(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void HotArea::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->buttons(), event->position().toPoint());
}
