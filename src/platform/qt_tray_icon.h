#pragma once

#include "platform/tray_icon.h"

#include <QSystemTrayIcon>

#include <memory>

// The icon through Qt: an XEmbed tray or a StatusNotifierItem host, whichever
// the desktop has. With neither there is no icon; one that appears later
// picks it up.
class QtTrayIcon final : public TrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    bool add(const NotifyIconData& data) override;
    void remove(const NotifyIconData& data) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);

    std::unique_ptr<QSystemTrayIcon> icon_;
    NotifyIconData data_;
    // A StatusNotifierItem host reports a click as an activation and never
    // reports a double click.
    bool activationOnly_ = false;
};
