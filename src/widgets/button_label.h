#pragma once

#include "widgets/caption_label.h"

// A caption label that acts as a button: it reports the mouse button going
// down and up on it, and a click when it is released over it.
class ButtonLabel : public CaptionLabel {
    Q_OBJECT
public:
    using CaptionLabel::CaptionLabel;

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
