#pragma once

#include <QByteArray>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// Plays an animated SVG document, looping, scaled to fit and centred. It
// plays only while shown: hidden, it keeps no renderer and no timer.
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
    bool playing() const { return renderer_ != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void startPlaying();

    QByteArray movie_;
    std::unique_ptr<QSvgRenderer> renderer_;
};
