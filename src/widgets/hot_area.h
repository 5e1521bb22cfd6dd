#pragma once

#include "widgets/pressable.h"

#include <QLabel>

// An image element: a picture of its own or an invisible hot area over the
// window's background, reporting clicks and mouse moves.
class HotArea : public QLabel, public Pressable {
    Q_OBJECT
public:
    explicit HotArea(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);
    // A left click, released over the area.
    void clicked();
    void mouseMoved(Qt::MouseButtons buttons, QPoint position);

protected:
    void click() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
