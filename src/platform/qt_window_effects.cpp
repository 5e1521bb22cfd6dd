#include "platform/qt_window_effects.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Stands for any window of another program: we cannot see which one.
constexpr int foreignWindow = -1;

// _NET_WM_DESKTOP's value for a window on every workspace.
constexpr std::uint32_t allDesktops = 0xFFFFFFFF;

xcb_atom_t desktopAtom(xcb_connection_t* connection) {
    const char* name = "_NET_WM_DESKTOP";
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// The X11 connection; none off X11 (Wayland, the offscreen tests).
xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// A window about to be mapped carries the property, which the window manager
// reads as it maps it; one on show already is moved by a request to the
// window manager.
void putOnEveryWorkspace(QWidget& window) {
    xcb_connection_t* connection = x11Connection();
    if (!connection) {
        return;
    }
    static const xcb_atom_t desktop = desktopAtom(connection);
    const auto id = static_cast<xcb_window_t>(window.winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1,
                        &allDesktops);
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = desktop;
    request.data.data32[0] = allDesktops;
    request.data.data32[1] = 1; // from a normal application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

// A window's Show event comes before the window is mapped again.
class EveryWorkspace final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            putOnEveryWorkspace(*static_cast<QWidget*>(watched));
        }
        return false;
    }
};

} // namespace

QtWindowEffects::QtWindowEffects() : everyWorkspace_(std::make_unique<EveryWorkspace>()) {}

QtWindowEffects::~QtWindowEffects() = default;

void QtWindowEffects::keepOnTop(QWidget& window) {
    if (!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        window.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    // Installed again, a filter is only moved to the front.
    window.installEventFilter(everyWorkspace_.get());
    putOnEveryWorkspace(window);
    window.show();
    window.raise();
}

int QtWindowEffects::foregroundWindow() const {
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        return foreignWindow;
    }
    const QWindow* focused = QGuiApplication::focusWindow();
    return focused ? static_cast<int>(focused->winId()) : 0;
}

int QtWindowEffects::handleOf(const QWidget& window) const {
    return static_cast<int>(window.winId());
}

void QtWindowEffects::setOpacity(QWidget& window, int alpha) {
    window.setWindowOpacity(alpha / 255.0);
    // Qt leaves the request in its buffer until other traffic sends it: a
    // bar at rest would show its new opacity only at the next event.
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_flush(connection);
    }
}

bool QtWindowEffects::startSystemMove(QWidget& window) {
    QWindow* handle = window.windowHandle();
    return handle && handle->startSystemMove();
}
