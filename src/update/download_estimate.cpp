#include "update/download_estimate.h"

#include "common/text_search.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr std::string_view openMarker = "<!-- [FSize] ";
constexpr std::string_view closeMarker = " [FSize] -->";

// A whole decimal number, optionally signed, with an optional fraction and
// blanks around it; nothing else (no exponents, hex, inf or nan).
std::optional<double> readNumber(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view number = text.substr(first, last - first + 1);
    std::size_t i = number.front() == '-' || number.front() == '+' ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < number.size(); ++i) {
        if (number[i] >= '0' && number[i] <= '9') {
            ++digits;
        } else if (number[i] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 15) {
        return std::nullopt;
    }
    return std::strtod(std::string(number).c_str(), nullptr);
}

// Nearest 16-bit integer, halves to even; nothing when out of range.
std::optional<short> toShortHalfEven(double value) {
    const double rounded = std::nearbyint(value); // the default mode: halves to even
    if (rounded < std::numeric_limits<short>::min() ||
        rounded > std::numeric_limits<short>::max()) {
        return std::nullopt;
    }
    return static_cast<short>(rounded);
}

} // namespace

std::optional<short> fileSizeMarker(std::string_view schedule) {
    const auto marker = findBetween(schedule, openMarker, closeMarker);
    // A marker at the very first character counts as missing.
    if (!marker || marker->openAt == 0) {
        return std::nullopt;
    }
    const auto number = readNumber(marker->text);
    if (!number) {
        return std::nullopt;
    }
    const auto size = toShortHalfEven(*number);
    if (!size || *size < 0) {
        return std::nullopt;
    }
    return size;
}

std::optional<DownloadEstimate> downloadTime(std::string_view kilobytes) {
    const auto size = readNumber(kilobytes);
    if (!size) {
        return std::nullopt;
    }
    const double bits = *size * 1024 * 8;
    const auto at56k = toShortHalfEven(bits / 56000 / 60);
    const auto at128k = toShortHalfEven(bits / 128000 / 60);
    if (!at56k || !at128k) {
        return std::nullopt;
    }
    // "minutes" and "minute" are fixed words; they do not follow the number.
    return DownloadEstimate{
        "Approximately " + std::to_string(*at56k) + " minutes on a dial up connection (56k).",
        "Approximately " + std::to_string(*at128k) + " minute on a dial up connection."};
}

DownloadEstimate unknownSizeEstimate() {
    return {"Approximately 3 minutes on a dial up connection (56k).",
            "Approximately 1 minute on a dial up connection."};
}
