#pragma once

// How the windows present themselves on the desktop's accessibility bus.
namespace Accessibility {

// Lets the clickable elements (see Pressable) present themselves as push
// buttons and the twips windows as windows; the widgets call it, once is
// enough. A class may declare another role: a window that screen readers
// announce when it opens, Q_CLASSINFO("accessibleRole", "alert"); a widget
// that shows a picture, Q_CLASSINFO("accessibleRole", "image").
void install();

} // namespace Accessibility
