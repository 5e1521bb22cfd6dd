#include "widgets/caption_label.h"

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    // Captions come from the schedule and the reminder store: never markup.
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    emit captionChanged();
}
