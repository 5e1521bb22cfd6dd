#include "calendar/day_label.h"

#include "widgets/elements.h"

#include <QPainter>

namespace {
// &HF0E9B3 in the original's blue-green-red order.
const QColor greyLook(0xb3, 0xe9, 0xf0);
} // namespace

DayLabel::DayLabel(const QString& caption, QWidget* parent) : ButtonLabel(caption, parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    showDay(caption, false);
}

void DayLabel::showDay(const QString& text, bool grey) {
    setCaption(text);
    setPlainToolTip(this, text);
    setAccessibleName(text);
    grey_ = grey;
    const int look = grey ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain;
    if (frameStyle() != look) {
        setFrameStyle(look);
    }
}

void DayLabel::mouseMoveEvent(QMouseEvent*) {
    emit hovered();
}

void DayLabel::paintEvent(QPaintEvent* event) {
    if (grey_) {
        QPainter(this).fillRect(rect(), greyLook);
    }
    ButtonLabel::paintEvent(event);
}
