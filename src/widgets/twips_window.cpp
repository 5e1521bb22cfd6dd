#include "widgets/twips_window.h"

#include "widgets/accessibility.h"

#include <QGuiApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

void placeTwips(QWidget* element, int left, int top, int width, int height) {
    element->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                         twipsToPixels(height));
}

TwipsWindow::TwipsWindow(QWidget* parent) : QWidget(parent) {
    Accessibility::install();
    // The user glances at these windows while working in another program:
    // their tooltips must not wait for them to be the active window.
    setAttribute(Qt::WA_AlwaysShowToolTips);
}

void TwipsWindow::setTwipsGeometry(const TwipsRect& geometry) {
    geometry_ = geometry;
    setGeometry(twipsToPixels(geometry.left), twipsToPixels(geometry.top),
                twipsToPixels(geometry.width), twipsToPixels(geometry.height));
}

void TwipsWindow::setBackground(const QString& resource) {
    background_ = new QSvgRenderer(resource, this);
}

void TwipsWindow::paintEvent(QPaintEvent*) {
    if (background_) {
        QPainter painter(this);
        background_->render(&painter, QRectF(QPointF(0, 0), background_->defaultSize()));
    }
}

static QScreen* screenOf(const QWidget* window) {
    QScreen* screen = window->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

int TwipsWindow::screenWidthTwips() const {
    return pixelsToTwips(screenOf(this)->geometry().width());
}

int TwipsWindow::screenHeightTwips() const {
    return pixelsToTwips(screenOf(this)->geometry().height());
}

static TwipsRect twipsOf(const QScreen* screen) {
    const QRect area = screen->geometry();
    return {pixelsToTwips(area.x()), pixelsToTwips(area.y()), pixelsToTwips(area.width()),
            pixelsToTwips(area.height())};
}

TwipsRect TwipsWindow::monitorTwips() const {
    std::vector<TwipsRect> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        monitors.push_back(twipsOf(screen));
    }
    return monitors.empty() ? primaryMonitorTwips() : monitorOf(geometry_, monitors);
}

TwipsRect TwipsWindow::primaryMonitorTwips() {
    return twipsOf(QGuiApplication::primaryScreen());
}

void TwipsWindow::moveEvent(QMoveEvent* event) {
    // Only a move the program did not make itself changes the twips.
    const QPoint at = event->pos();
    if (at.x() != twipsToPixels(geometry_.left)) {
        geometry_.left = pixelsToTwips(at.x());
    }
    if (at.y() != twipsToPixels(geometry_.top)) {
        geometry_.top = pixelsToTwips(at.y());
    }
    QWidget::moveEvent(event);
}
