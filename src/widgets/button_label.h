#pragma once

#include "widgets/caption_label.h"
#include "widgets/pressable.h"

// A caption label that acts as a button: it reports the mouse button going
// down and up on it, and a click when it is released over it.
class ButtonLabel : public CaptionLabel, public Pressable {
    Q_OBJECT
public:
    explicit ButtonLabel(const QString& caption, QWidget* parent = nullptr);

signals:
    void pressed();
    void released();
    void clicked();

protected:
    void click() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
