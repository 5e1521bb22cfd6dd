#include "platform/qt_tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

namespace {

// Qt shows the icon through a StatusNotifierItem host when one is
// registered, and through an XEmbed tray otherwise.
bool statusNotifierHostPresent() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(watcher)) {
        return false;
    }
    QDBusInterface host(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return host.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace

QtTrayIcon::QtTrayIcon() = default;
QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::add(const NotifyIconData& data) {
    if (icon_) {
        return false;
    }
    data_ = data;
    icon_ = std::make_unique<QSystemTrayIcon>();
    if ((data.uFlags & NIF_ICON) != 0) {
        icon_->setIcon(data.hIcon);
    }
    if ((data.uFlags & NIF_TIP) != 0) {
        // The tip ends at its NUL, or at the end of its 64 characters.
        const auto& tip = data.szTip;
        std::size_t length = 0;
        while (length < tip.size() && tip[length] != '\0') {
            ++length;
        }
        icon_->setToolTip(QString::fromLatin1(tip.data(), static_cast<qsizetype>(length)));
    }
    activationOnly_ = statusNotifierHostPresent();
    QObject::connect(icon_.get(), &QSystemTrayIcon::activated, icon_.get(),
                     [this](QSystemTrayIcon::ActivationReason reason) { activated(reason); });
    icon_->show();
    return true;
}

void QtTrayIcon::remove(const NotifyIconData& data) {
    if (icon_ && data.hWnd == data_.hWnd && data.uID == data_.uID) {
        icon_->hide();
        icon_.reset();
    }
}

void QtTrayIcon::activated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        report(data_, leftButtonDoubleClick);
        break;
    case QSystemTrayIcon::Trigger:
        // Where a click is all the host reports, it stands in for the
        // double click, so those desktops can hide and restore too.
        if (activationOnly_) {
            report(data_, leftButtonDoubleClick);
        }
        break;
    case QSystemTrayIcon::Context:
        report(data_, rightButtonDown);
        break;
    default:
        break;
    }
}
