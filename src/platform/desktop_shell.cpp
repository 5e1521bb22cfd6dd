#include "platform/desktop_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include <sys/wait.h>
#include <unistd.h>

bool DesktopShell::opens(const QUrl& url) {
    // Any other scheme could start a program or open a local file.
    const QString scheme = url.scheme();
    const bool web = (scheme == "http" || scheme == "https") && !url.host().isEmpty();
    return url.isValid() && (web || scheme == "mailto");
}

void DesktopShell::openUrl(const std::string& url) {
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (opens(address)) {
        QDesktopServices::openUrl(address);
    }
}

void DesktopShell::runScript(int descriptor, const std::string& folder) {
    // Forked twice, so the script runs on its own and leaves no zombie;
    // between fork and exec only async-signal-safe calls.
    const char* workingFolder = folder.c_str();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::fork() == 0) {
            ::setsid();
            if (::dup2(descriptor, STDIN_FILENO) == STDIN_FILENO && ::chdir(workingFolder) == 0) {
                ::execl("/bin/sh", "sh", static_cast<char*>(nullptr));
            }
            ::_exit(127);
        }
        ::_exit(0);
    }
    if (child > 0) {
        ::waitpid(child, nullptr, 0);
    }
    ::close(descriptor);
}
