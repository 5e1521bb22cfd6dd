#include "widgets/caption_label.h"

CaptionLabel::CaptionLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == text()) {
        return;
    }
    setText(caption);
    emit captionChanged();
}
