#pragma once

// The bar places itself, keeps its edges and stays on top, which X11 allows
// and Wayland does not.

// On a Wayland session that offers XWayland, and with no platform of the
// user's choosing, asks Qt for its X11 platform. Call before the application
// is created; returns whether it asked.
bool chooseX11OnWayland();

// Call once the application is created, with what chooseX11OnWayland
// returned: programs opened from here get the session's own platform back,
// and on Wayland itself the user learns once why the bar stays where it is.
void settleSessionPlatform(bool choseX11);
