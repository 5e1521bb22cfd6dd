#pragma once

#include "widgets/button_label.h"

// One day cell of the calendar: its text wraps inside the cell and shows whole
// in the tooltip. Normal cells are flat and let the window's picture through;
// the grey look is sunken and opaque.
class DayLabel : public ButtonLabel {
    Q_OBJECT
public:
    explicit DayLabel(const QString& caption, QWidget* parent = nullptr);

    bool isGrey() const { return grey_; }
    // Writes the cell: its caption, the same text as tooltip and name, its look.
    void showDay(const QString& text, bool grey);

signals:
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool grey_ = false;
};
