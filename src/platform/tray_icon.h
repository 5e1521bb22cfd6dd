#pragma once

#include <QEvent>
#include <QIcon>

#include <array>
#include <cstdint>

class QWidget;

// The notification-icon record in its first, 88-byte version: filled once and
// handed over unchanged to add the icon and to remove it.
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    QWidget* hWnd = nullptr;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    QIcon hIcon;
    std::array<char, 64> szTip{};
};

// Which fields of the record count.
inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;

// A mouse event of the icon, sent to the record's window as its callback
// message with the event's code.
class TrayCallbackEvent : public QEvent {
public:
    TrayCallbackEvent(std::uint32_t message, std::uint32_t code)
        : QEvent(kind()), message(message), code(code) {}
    static QEvent::Type kind();

    std::uint32_t message;
    std::uint32_t code;
};

// The icon in the desktop's notification area.
class TrayIcon {
public:
    // Event codes the icon reports.
    static constexpr std::uint32_t leftButtonDoubleClick = 0x203;
    static constexpr std::uint32_t rightButtonDown = 0x204;

    virtual ~TrayIcon() = default;
    // Shows the icon the record describes; false when the desktop refuses it.
    virtual bool add(const NotifyIconData& data) = 0;
    // Takes the record's icon away; an icon that is not there is no error.
    virtual void remove(const NotifyIconData& data) = 0;

protected:
    // Hands one of the icon's events to the record's window.
    static void report(const NotifyIconData& data, std::uint32_t code);
};
