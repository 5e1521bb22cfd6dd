#pragma once

#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// Plays an animated SVG document, looping, scaled to fit and centred. Each
// document is parsed once, when it is set; it plays only while shown, and
// hidden, it wakes nothing.
class AboutMovie : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "image")
public:
    explicit AboutMovie(QWidget* parent = nullptr);
    ~AboutMovie() override;

    // Plays `document` from now on when it is an SVG document; false, and
    // the current movie goes on, otherwise.
    bool setMovie(const QByteArray& document);
    const QByteArray& movie() const { return movie_; }
    bool playing() const { return frames_.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startPlaying();

    QByteArray movie_;
    std::unique_ptr<QSvgRenderer> renderer_;
    QTimer frames_; // a repaint per frame, while shown
};
