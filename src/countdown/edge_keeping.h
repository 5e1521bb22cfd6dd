#pragma once

#include "common/twips.h"

#include <optional>

// Keeps the bar and its team panel inside its monitor: on every Timer3 tick
// five checks run in order, each nudging a window 20 twips back (animation
// on) or putting it right back at the limit (animation off).

struct EdgeInput {
    TwipsRect bar;
    bool panelOpen = false; // Form2Vis is 1
    TwipsRect panel;
    TwipsRect screen; // the monitor that holds the bar's centre
    bool animated = true;
};

struct EdgeResult {
    TwipsRect bar;
    std::optional<int> panelLeft; // the panel's new left, when the first check moved it
    int moveMeCalls = 0;          // how often the panel is put back beside the bar

    bool changesAnything(const EdgeInput& input) const {
        return bar != input.bar || panelLeft || moveMeCalls > 0;
    }
};

EdgeResult keepInsideScreen(const EdgeInput& input);
