#pragma once

// How the windows present themselves on the desktop's accessibility bus.
namespace Accessibility {

// Lets the clickable elements (see Pressable) present themselves as push
// buttons and the twips windows as windows; the widgets call it, once is
// enough. A twips window class that screen readers should announce when it
// opens declares itself an alert: Q_CLASSINFO("accessibleRole", "alert").
void install();

} // namespace Accessibility
