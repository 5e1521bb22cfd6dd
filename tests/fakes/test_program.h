#pragma once

#include "app/program.h"
#include "common/text_search.h"
#include "platform/auto_start.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/http.h"
#include "platform/instance.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/tray_icon.h"
#include "platform/window_effects.h"
#include "reminders/reminder_store_ui.h"
#include "widgets/caption_label.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

// Fakes of the outside services: each records what the window tests read.

class FakeClock final : public Clock {
public:
    LocalDateTime now() const override { return time; }
    void set(const LocalDateTime& now) { time = now; }
    LocalDateTime time{{2006, 6, 1}, 12, 0, 0, 0};
};

// An in-memory program folder at /app.
class FakeFiles final : public Files {
public:
    bool exists(const std::string& path) const override {
        return contents.count(path) > 0 || unreadable.count(path) > 0;
    }
    // Test folders are all lower case, so comparing whole paths is enough.
    bool existsIgnoringCase(const std::string& path) const override {
        return std::any_of(contents.begin(), contents.end(), [&](const auto& entry) {
            return toLowerAscii(entry.first) == toLowerAscii(path);
        });
    }
    std::optional<std::string> read(const std::string& path) const override {
        return contents.count(path) ? std::optional(contents.at(path)) : std::nullopt;
    }
    bool write(const std::string& path, const std::string& text) override {
        ++writes;
        contents[path] = text;
        return true;
    }
    bool remove(const std::string& path) override { return contents.erase(path) > 0; }
    bool moveAside(const std::string& from, const std::string& to) override {
        return !exists(to) && unreadable.erase(from) && unreadable.insert(to).second;
    }
    void removeStaleTemporaries() override {}
    bool setHidden(const std::string& path) override {
        hidden.push_back(path);
        return true;
    }
    int openScript(const std::string&) override { return -1; }
    std::string programFolder() const override { return "/app"; }
    std::string downloadFolder() const override { return "/app"; }
    std::string executableBaseName() const override { return "kickoff-clock"; }
    std::string executablePath() const override { return "/app/kickoff-clock"; }

    std::map<std::string, std::string> contents;
    std::set<std::string> unreadable; // there, but reading fails (a folder, no permission)
    int writes = 0;
    std::vector<std::string> hidden;
};

class FakeInstance final : public Instance {
public:
    bool anotherRunning() override { return another; }
    bool another = false;
};

class FakeShell final : public Shell {
public:
    void openUrl(const std::string& url) override { opened.push_back(url); }
    void runScript(int, const std::string&) override {}
    std::vector<std::string> opened;
};

// Canned answers by address; an address without one fails like a server
// that cannot be reached. Records every request.
class FakeHttp final : public Http {
public:
    std::optional<std::string> getText(const std::string& url) override { return answer(url); }
    std::optional<std::string> getBytes(const std::string& url) override { return answer(url); }
    void getBytesLater(const std::string& url,
                       std::function<void(std::optional<std::string>)> done) override {
        done(answer(url));
    }
    // Every request is over when it returns, as with the real one.
    bool stillExecuting() const override { return false; }

    std::map<std::string, std::string> answers;
    std::vector<std::string> requested;

private:
    std::optional<std::string> answer(const std::string& url) {
        requested.push_back(url);
        return answers.count(url) ? std::optional(answers.at(url)) : std::nullopt;
    }
};

// Answers Ok, or No to a question; records each box: text, title, buttons.
class FakeMessageBox final : public MessageBox {
public:
    Answer show(const std::string& text, const std::string& title, Buttons buttons) override {
        shown.emplace_back(text, title, buttons);
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    using Box = std::tuple<std::string, std::string, Buttons>;
    std::vector<Box> shown;
};

// Handles are the windows' own ids; the test says which one is in front.
class FakeWindowEffects final : public WindowEffects {
public:
    void keepOnTop(QWidget& window) override { keptOnTop.push_back(&window); }
    int foregroundWindow() const override { return foreground; }
    int handleOf(const QWidget& window) const override { return static_cast<int>(window.winId()); }
    void setOpacity(QWidget& window, int alpha) override { opacities[&window].push_back(alpha); }
    bool startSystemMove(QWidget&) override {
        ++systemMoves;
        return systemMoveWorks;
    }

    int foreground = 0;
    bool systemMoveWorks = true;
    int systemMoves = 0;
    std::vector<QWidget*> keptOnTop;
    std::map<const QWidget*, std::vector<int>> opacities; // the alphas given, in order
};

class FakeAutoStart final : public AutoStart {
public:
    void set() override { calls.push_back("set"); }
    void clear() override { calls.push_back("clear"); }
    std::vector<std::string> calls;
};

// Holds the record of the icon it shows; `click` plays one of the icon's
// events as the desktop would.
class FakeTrayIcon final : public TrayIcon {
public:
    bool add(const NotifyIconData& data) override { return (shown = data).has_value(); }
    void remove(const NotifyIconData&) override { shown.reset(); }
    void click(std::uint32_t code) const { report(*shown, code); }

    std::optional<NotifyIconData> shown;
};

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

    // As the panel's reminder button hands its match text over.
    void addReminder(std::string panelText) { program.reminderStore().AddReminder(panelText); }
};

// The windows keep their elements and timers to themselves; the tests find
// them by name, as screen readers and the end-to-end runs find elements.
template <typename T = QWidget> T* child(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(name);
    return found ? found : throw std::invalid_argument(name);
}

inline QTimer& timer(const QObject& window, const char* name) {
    return *child<QTimer>(window, name);
}

inline QString caption(const QObject& window, const char* name) {
    return child<CaptionLabel>(window, name)->caption();
}
