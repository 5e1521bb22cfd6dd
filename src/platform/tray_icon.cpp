#include "platform/tray_icon.h"

#include <QCoreApplication>
#include <QWidget>

QEvent::Type TrayCallbackEvent::kind() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void TrayIcon::report(const NotifyIconData& data, std::uint32_t code) {
    if (data.hWnd && (data.uFlags & NIF_MESSAGE) != 0) {
        TrayCallbackEvent event(data.uCallbackMessage, code);
        QCoreApplication::sendEvent(data.hWnd, &event);
    }
}
