#include "app/program.h"
#include "build_config.h"
#include "platform/desktop_session.h"
#include "platform/desktop_shell.h"
#include "platform/end_signals.h"
#include "platform/flock_instance.h"
#include "platform/local_files.h"
#include "platform/qt_http.h"
#include "platform/qt_message_box.h"
#include "platform/qt_tray_icon.h"
#include "platform/qt_window_effects.h"
#include "platform/system_clock.h"
#include "platform/user_folders.h"
#include "platform/xdg_auto_start.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const bool choseX11 = chooseX11OnWayland();
    QApplication app(argc, argv);
    settleSessionPlatform(choseX11);
    // The name also names the user's configuration folder (~/.config/kickoff-clock).
    QApplication::setApplicationName("kickoff-clock");
    QApplication::setDesktopFileName(BuildConfig::appId);
    QApplication::setQuitOnLastWindowClosed(false);

    SystemClock clock;
    DesktopShell shell;
    // The files a user keeps: brought along from beside a read-only program.
    LocalFiles files(foldersForThisUser({std::string(Settings::fileName), "RemindMe.dsl"}));
    QtHttp http;
    QtMessageBox messageBox;
    FlockInstance instance(files.executablePath());
    QtWindowEffects windowEffects;
    XdgAutoStart autoStart = XdgAutoStart::fromStandardLocations(files);
    QtTrayIcon trayIcon;

    // Every file is written whole before the program ends, so ending means
    // stopping at once, wherever the program is.
    Program program(
        {clock, files, instance, shell, http, messageBox, windowEffects, autoStart, trayIcon}, [] {
            std::fflush(nullptr);
            std::_Exit(0);
        });
    // A logout ends the program by a signal, or first asks for its files.
    EndSignals endSignals([&program] { program.endSession(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&program](QSessionManager&) { program.saveSession(); });
    program.start();
    return QApplication::exec();
}
