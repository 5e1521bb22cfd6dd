#pragma once

#include <QLabel>

// A label whose caption raises a change event, but only when the new caption
// differs from the one it shows.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

signals:
    void captionChanged();
};
