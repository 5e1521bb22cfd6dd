#pragma once

#include "common/twips.h"

// One tick of each of the bar's slides, in twips. Each slide moves a fixed
// step per tick and stops itself at its limit; with animation off it jumps
// to the limit on its first tick.

inline constexpr int barWidth = 2790;
inline constexpr int barHeight = 450;
inline constexpr int suggestStripHeight = 705;  // the bar with the suggestion strip open
inline constexpr int settingsStripWidth = 5580; // the bar with the settings strip open

struct SlideStep {
    int value = 0; // the new height or width
    bool done = false;
};

// The opening growth after load: 20 down and 40 across per tick until both
// reach the bar's size, then one tick that settles on it exactly.
SizeStep openerStep(int width, int height);

// The suggestion strip below the bar: 20 twips of height per tick.
SlideStep suggestOpenStep(int height, bool animated);
SlideStep suggestCloseStep(int height, bool animated);

// The settings strip to the right of the bar: 30 twips of width per tick.
SlideStep settingsOpenStep(int width, bool animated);
SlideStep settingsCloseStep(int width, bool animated);
