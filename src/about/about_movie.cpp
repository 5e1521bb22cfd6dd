#include "about/about_movie.h"

#include <QPainter>
#include <QSvgRenderer>

AboutMovie::AboutMovie(QWidget* parent) : QWidget(parent) {}

AboutMovie::~AboutMovie() = default;

bool AboutMovie::setMovie(const QByteArray& document) {
    if (!QSvgRenderer(document).isValid()) {
        return false;
    }
    movie_ = document;
    if (isVisible()) {
        startPlaying();
    }
    return true;
}

void AboutMovie::startPlaying() {
    // The renderer's frame timer runs as long as the renderer lives, so a
    // renderer exists only while the movie is on screen.
    renderer_ = std::make_unique<QSvgRenderer>(movie_);
    connect(renderer_.get(), &QSvgRenderer::repaintNeeded, this, qOverload<>(&AboutMovie::update));
    update();
}

void AboutMovie::showEvent(QShowEvent*) {
    if (!movie_.isEmpty()) {
        startPlaying();
    }
}

void AboutMovie::hideEvent(QHideEvent*) {
    renderer_.reset();
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
