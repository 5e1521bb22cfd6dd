#include "about/about_movie.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int frameMs = 1000 / 30;
} // namespace

AboutMovie::AboutMovie(QWidget* parent) : QWidget(parent) {
    frames_.setInterval(frameMs);
    connect(&frames_, &QTimer::timeout, this, qOverload<>(&AboutMovie::update));
}

AboutMovie::~AboutMovie() = default;

bool AboutMovie::setMovie(const QByteArray& document) {
    // The renderer's own frame timer would run as long as the renderer
    // lives, shown or not: without it, frames_ drives the repaints.
    auto renderer = std::make_unique<QSvgRenderer>();
    renderer->setFramesPerSecond(0);
    if (!renderer->load(document)) {
        return false;
    }
    movie_ = document;
    renderer_ = std::move(renderer);
    if (isVisible()) {
        startPlaying();
    }
    return true;
}

void AboutMovie::startPlaying() {
    if (renderer_->animated()) {
        frames_.start();
    } else {
        frames_.stop();
    }
    update();
}

void AboutMovie::showEvent(QShowEvent*) {
    if (renderer_) {
        startPlaying();
    }
}

void AboutMovie::hideEvent(QHideEvent*) {
    frames_.stop();
}

void AboutMovie::paintEvent(QPaintEvent*) {
    if (!renderer_) {
        return;
    }
    // The whole movie, as large as fits, centred.
    QSizeF frame = renderer_->defaultSize();
    frame.scale(size(), Qt::KeepAspectRatio);
    const QRectF at(QPointF((width() - frame.width()) / 2, (height() - frame.height()) / 2), frame);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_->render(&painter, at);
}
