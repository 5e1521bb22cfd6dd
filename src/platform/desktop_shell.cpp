#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void DesktopShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A local script is run, detached, by the shell; anything else is a URL
    // for the desktop's opener.
    if (text.startsWith('/')) {
        QProcess::startDetached("/bin/sh", {text});
        return;
    }
    QDesktopServices::openUrl(QUrl(text));
}
