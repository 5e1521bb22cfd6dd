#pragma once

#include <QString>
#include <QTimer>

// Small helpers shared by the files that make up the countdown window.
namespace form1 {

// The character code of the Enter key.
inline constexpr int enterKey = 13;

inline const QString placeholder = QStringLiteral("Search for a team...");
inline const QString placeholderLook = QStringLiteral("QLineEdit { color: #C0C0C0; }");

// Starting a running timer leaves it running on its old beat.
inline void enable(QTimer& timer) {
    if (!timer.isActive()) {
        timer.start();
    }
}

} // namespace form1
