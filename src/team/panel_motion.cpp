#include "team/panel_motion.h"

namespace PanelMotion {

SizeStep openStep(int width, int height, bool animated) {
    if (!animated) {
        return {narrowWidth, openHeight, true};
    }
    if (height >= openHeight) {
        return {width, openHeight, true};
    }
    return {width < narrowWidth ? width + 40 : narrowWidth, height + 20, false};
}

SizeStep closeStep(int width, int height, bool animated) {
    if (!animated || height <= 0) {
        return {width, height, true};
    }
    const int shrunk = height > 20 ? height - 20 : 0;
    // 2611, not 2610: a widened panel passes 2620 and 2580 before it is set.
    return {width > narrowWidth + 1 ? width - 40 : narrowWidth, shrunk, false};
}

WidthStep widenStep(int width, bool animated) {
    if (!animated) {
        return {wideWidth, 0, wideImagesLeft, true};
    }
    if (width < wideWidth) {
        return {width + 20, 20, -1, false};
    }
    return {wideWidth, 0, -1, true};
}

WidthStep narrowStep(int width, bool animated) {
    if (!animated) {
        return {narrowWidth, 0, narrowImagesLeft, true};
    }
    if (width > narrowWidth) {
        return {width - 20, -20, -1, false};
    }
    return {narrowWidth, 0, -1, true};
}

bool panelGoesAbove(int barTop, const TwipsRect& screen) {
    const double height = screen.height;
    return height - height / 3 < barTop - screen.top;
}

} // namespace PanelMotion
