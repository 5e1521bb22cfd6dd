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
    const auto panelFollows = [&] {
        if (input.panelOpen) {
            ++result.moveMeCalls;
        }
    };

    // A panel wider than the bar pulls both windows left together.
    if (input.panelOpen && input.panel.left + input.panel.width > input.screenWidth) {
        const int left =
            animated ? input.panel.left - creep : input.screenWidth - input.panel.width;
        result.panelLeft = left;
        bar.left = left;
    }
    if (bar.left + bar.width > input.screenWidth) {
        bar.left = animated ? bar.left - creep : input.screenWidth - bar.width;
        panelFollows();
    }
    // Below the bar stays at least one bar height of free screen.
    if (bar.top >= input.screenHeight - 2 * bar.height) {
        bar.top = animated ? bar.top - creep : input.screenHeight - 2 * bar.height;
        panelFollows();
    }
    if (bar.top <= nearEdge) {
        bar.top = animated ? bar.top + creep : nearEdge;
        panelFollows();
    }
    if (bar.left <= nearEdge) {
        bar.left = animated ? bar.left + creep : nearEdge;
        panelFollows();
    }
    return result;
}
