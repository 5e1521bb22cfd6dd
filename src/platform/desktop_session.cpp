#include "platform/desktop_session.h"

#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>

namespace {

constexpr const char* platformVariable = "QT_QPA_PLATFORM";

} // namespace

bool chooseX11OnWayland() {
    if (!qEnvironmentVariableIsEmpty(platformVariable) ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return false;
    }
    qputenv(platformVariable, "xcb");
    return true;
}

void settleSessionPlatform(bool choseX11) {
    if (choseX11) {
        qunsetenv(platformVariable);
    }
    if (QGuiApplication::platformName().startsWith("wayland")) {
        std::fputs("kickoff-clock: running on Wayland without XWayland, the bar cannot place "
                   "itself, keep to the screen's edges or stay on top.\n",
                   stderr);
    }
}
