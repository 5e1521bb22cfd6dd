#pragma once

#include "platform/tray_icon.h"

#include <optional>

// Holds the record of the icon it shows; `click` plays one of the icon's
// events as the desktop would.
class FakeTrayIcon final : public TrayIcon {
public:
    bool add(const NotifyIconData& data) override {
        shown = data;
        return true;
    }
    void remove(const NotifyIconData&) override { shown.reset(); }
    void click(std::uint32_t code) const { report(*shown, code); }

    std::optional<NotifyIconData> shown;
};
