#pragma once

class AutoStart;
class Clock;
class Files;
class Instance;
class Shell;
class WindowEffects;

// The outside services the windows reach, handed over at start: the real ones
// in the program, fakes in the tests.
struct Services {
    Clock& clock;
    Files& files;
    Instance& instance;
    Shell& shell;
    WindowEffects& windowEffects;
    AutoStart& autoStart;
};
