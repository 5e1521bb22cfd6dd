#pragma once

class AutoStart;
class Clock;
class Files;
class Http;
class Instance;
class MessageBox;
class Shell;
class TrayIcon;
class WindowEffects;

// The outside services the windows reach, handed over at start: the real ones
// in the program, fakes in the tests.
struct Services {
    Clock& clock;
    Files& files;
    Instance& instance;
    Shell& shell;
    Http& http;
    MessageBox& messageBox;
    WindowEffects& windowEffects;
    AutoStart& autoStart;
    TrayIcon& trayIcon;
};
