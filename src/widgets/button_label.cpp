#include "widgets/button_label.h"

#include "widgets/accessibility.h"

#include <QMouseEvent>

ButtonLabel::ButtonLabel(const QString& caption, QWidget* parent) : CaptionLabel(caption, parent) {
    Accessibility::install();
}

void ButtonLabel::click() {
    emit pressed();
    emit released();
    emit clicked();
}

void ButtonLabel::mousePressEvent(QMouseEvent*) {
    emit pressed();
}

void ButtonLabel::mouseReleaseEvent(QMouseEvent* event) {
    emit released();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
