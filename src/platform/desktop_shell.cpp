#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

void DesktopShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    // A local script is run, detached, by the shell; anything else is a URL
    // for the desktop's opener.
    if (text.startsWith('/')) {
        // The shell reads the script from a descriptor opened before this
        // returns, so the caller may delete the file at once.
        QProcess script;
        script.setProgram("/bin/sh");
        script.setStandardInputFile(text);
        script.setWorkingDirectory(QFileInfo(text).absolutePath());
        script.startDetached();
        return;
    }
    QDesktopServices::openUrl(QUrl(text));
}
