#pragma once

#include <vector>

// Window geometry is kept in twips (1440 per inch, 15 per pixel here).
inline constexpr int twipsPerPixel = 15;

// Nearest whole pixel; a twips value never lies exactly halfway.
int twipsToPixels(int twips);
inline constexpr int pixelsToTwips(int pixels) {
    return pixels * twipsPerPixel;
}

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipsRect&) const = default;
};

// One tick of an animation of a window's size; `done` on the tick that ends it.
struct SizeStep {
    int width = 0;
    int height = 0;
    bool done = false;
};

// The monitor that holds the centre of `window`, or the nearest one when
// none does (the window's monitor went away). `monitors` is not empty.
TwipsRect monitorOf(const TwipsRect& window, const std::vector<TwipsRect>& monitors);
