#pragma once

// The bar (and its team panel) turn partly transparent while the user works
// in another window, and opaque again when the bar or the panel is focused.

inline constexpr int opaqueLevel = 255;
inline constexpr int fadedLevel = 120;

enum class FadeDirection { None, Down, Up };

// Which fade a Timer3 tick starts: out when opaque and unfocused, in when
// faded and focused; none with animation off or in the middle of a fade.
FadeDirection fadeToStart(bool animated, int level, bool focused);

struct FadeTick {
    int applied = 0; // the alpha given to the windows on this tick
    int level = 0;   // the level after the tick
    bool stop = false;
};

// One TransTimer tick: 10 per tick, then the limit itself and stop. A fade
// out applies 255, 245 ... 125, 120; a fade in 120, 130 ... 250, 255.
FadeTick fadeStep(int level, FadeDirection direction);
