#include "countdown/edge_keeping.h"

namespace {

constexpr int creep = 20;
// A window at or above this top (or left) is pushed back in.
constexpr int nearEdge = 1;

} // namespace

EdgeResult keepInsideScreen(const EdgeInput& input) {
    EdgeResult result{input.bar, std::nullopt, 0};
    TwipsRect& bar = result.bar;
    const bool animated = input.animated;
    const TwipsRect& screen = input.screen;
    const int right = screen.left + screen.width;
    const int bottom = screen.top + screen.height;
    const auto panelFollows = [&] {
        if (input.panelOpen) {
            ++result.moveMeCalls;
        }
    };

    // A panel wider than the bar pulls both windows left together.
    if (input.panelOpen && input.panel.left + input.panel.width > right) {
        const int left = animated ? input.panel.left - creep : right - input.panel.width;
        result.panelLeft = left;
        bar.left = left;
    }
    if (bar.left + bar.width > right) {
        bar.left = animated ? bar.left - creep : right - bar.width;
        panelFollows();
    }
    // Below the bar stays at least one bar height of free screen.
    if (bar.top >= bottom - 2 * bar.height) {
        bar.top = animated ? bar.top - creep : bottom - 2 * bar.height;
        panelFollows();
    }
    if (bar.top <= screen.top + nearEdge) {
        bar.top = animated ? bar.top + creep : screen.top + nearEdge;
        panelFollows();
    }
    if (bar.left <= screen.left + nearEdge) {
        bar.left = animated ? bar.left + creep : screen.left + nearEdge;
        panelFollows();
    }
    return result;
}
