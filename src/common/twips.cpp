#include "common/twips.h"

#include <algorithm>
#include <limits>

int twipsToPixels(int twips) {
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

namespace {

// How far `at` lies outside `span` (from, length): 0 inside.
long long outside(int at, int from, int length) {
    return std::max({0LL, 0LL + from - at, 0LL + at - (from + length - 1)});
}

} // namespace

TwipsRect monitorOf(const TwipsRect& window, const std::vector<TwipsRect>& monitors) {
    const int x = window.left + window.width / 2;
    const int y = window.top + window.height / 2;
    TwipsRect nearest = monitors.front();
    long long best = std::numeric_limits<long long>::max();
    for (const TwipsRect& monitor : monitors) {
        const long long dx = outside(x, monitor.left, monitor.width);
        const long long dy = outside(y, monitor.top, monitor.height);
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = monitor;
        }
    }
    return nearest;
}
