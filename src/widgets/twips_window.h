#pragma once

#include "common/twips.h"

#include <QWidget>

class QSvgRenderer;

// Places a child element at its twips position and size.
void placeTwips(QWidget* element, int left, int top, int width, int height);

// A top-level window whose geometry lives in twips. Rules change the twips
// and apply them; a move made by the system (a drag) is read back as
// pixels x 15.
class TwipsWindow : public QWidget {
    Q_OBJECT
public:
    explicit TwipsWindow(QWidget* parent = nullptr);

    const TwipsRect& twipsGeometry() const { return geometry_; }
    void setTwipsGeometry(const TwipsRect& geometry);

    // The screen this window is on, in twips.
    int screenWidthTwips() const;
    int screenHeightTwips() const;
    // The monitor that holds this window's centre (the nearest one when none
    // does), and the primary monitor, on the whole desktop in twips.
    TwipsRect monitorTwips() const;
    static TwipsRect primaryMonitorTwips();

protected:
    // The window's background picture, by its resource name, drawn at the
    // top left corner at its own size.
    void setBackground(const QString& resource);
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    TwipsRect geometry_;
    QSvgRenderer* background_ = nullptr;
};
