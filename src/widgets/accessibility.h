#pragma once

class QWidget;

// How the windows present themselves on the desktop's accessibility bus.
namespace Accessibility {

// Lets the clickable elements (see Pressable) present themselves as push
// buttons and the twips windows as windows or alerts; the widgets call it,
// once is enough.
void install();

// Screen readers announce this window as an alert when it opens.
void markAsAlert(QWidget& window);

} // namespace Accessibility
