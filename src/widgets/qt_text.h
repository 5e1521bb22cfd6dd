#pragma once

#include <QString>

#include <string_view>

// Text from the rules (UTF-8) as the windows show it.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
