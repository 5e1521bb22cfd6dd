#pragma once

#include "common/twips.h"

// The team panel's size animations, one tick at a time, in twips. Each step
// takes the panel's current size and answers the next one; with animation
// off a movement jumps to its end on its first tick.
namespace PanelMotion {

inline constexpr int seedSize = 10; // the panel grows out of a 10 x 10 window
inline constexpr int narrowWidth = 2610;
inline constexpr int wideWidth = 5220;
inline constexpr int openHeight = 1440;
// Where the two corner images rest after a jump, narrow and wide.
inline constexpr int narrowImagesLeft = 2400;
inline constexpr int wideImagesLeft = 5010;

struct WidthStep {
    int width = 0;
    int imagesShift = 0; // added to the left of OpenExtension and CloseMe
    int imagesLeft = -1; // when not -1: their new left, replacing the shift
    bool done = false;   // the timer stops
};

// Done: the timer stops (open) or the panel is unloaded (close).
SizeStep openStep(int width, int height, bool animated);
SizeStep closeStep(int width, int height, bool animated);
WidthStep widenStep(int width, bool animated);
WidthStep narrowStep(int width, bool animated);

// The arrow widens a panel exactly at its narrow width, and narrows any other.
inline bool arrowWidens(int width) {
    return width == narrowWidth;
}

// True when the bar lies in the lowest third of its monitor, where the panel
// goes above it instead of below.
bool panelGoesAbove(int barTop, const TwipsRect& screen);

} // namespace PanelMotion
