#pragma once

#include "app/program.h"
#include "fakes/fake_auto_start.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_files.h"
#include "fakes/fake_http.h"
#include "fakes/fake_instance.h"
#include "fakes/fake_message_box.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_tray_icon.h"
#include "fakes/fake_window_effects.h"

// A program wired to fake services, for window tests; ending it only
// records that it ended.
struct TestProgram {
    FakeClock clock;
    FakeFiles files;
    FakeInstance instance;
    FakeShell shell;
    FakeHttp http;
    FakeMessageBox messageBox;
    FakeWindowEffects windowEffects;
    FakeAutoStart autoStart;
    FakeTrayIcon trayIcon;
    Program program{Services{clock, files, instance, shell, http, messageBox, windowEffects,
                             autoStart, trayIcon},
                    nullptr};
};
