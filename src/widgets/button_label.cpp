#include "widgets/button_label.h"

#include <QMouseEvent>

void ButtonLabel::mousePressEvent(QMouseEvent*) {
    emit pressed();
}

void ButtonLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
