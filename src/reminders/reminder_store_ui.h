#pragma once

#include <string>

class Program;
class QTimer;

// The reminder store: the controller keeps its text (Reminders) and its check
// timer (CheckMatchs) and hands both over; this is the one place that loads,
// adds to, checks and saves them.
class ReminderStore {
public:
    // Starts the check, which runs from now until the first alert.
    ReminderStore(Program& program, std::string& reminders, QTimer& checkMatchs);

    // RemindMe.dsl becomes the store; the check runs again shortly.
    void LoadReminders();
    // Turns the panel's text (date CR LF time "|" opponent "|" title) into a
    // reminder line and appends it, refusing a duplicate with a notice. The
    // text's line breaks become "|" on the way.
    void AddReminder(std::string& text);
    // One pass of the check: every due reminder is put into the alert window
    // in turn, so the last one in the store stays shown.
    void CheckMatchs();
    // The check's tick: a pass, then the next check, unless an alert came.
    void CheckMatchs_Timer();
    // The store was loaded or has grown: it is checked again shortly, unless
    // an alert came.
    void RemindersChanged();
    // The alert (or download) window is there: no check runs again this run.
    void StopChecking();
    // Writes RemindMe.dsl, but only when it was read in this run or was
    // missing: a store that could not be read is never written over, but
    // moved aside once there is something to save in its place.
    void SaveReminders();

    const std::string& text() const { return reminders_; }
    bool checking() const;

private:
    Program& program_;
    std::string& reminders_;
    QTimer& checkMatchs_;
    bool writable_ = false;
    bool unreadable_ = false; // RemindMe.dsl is there but could not be read
};
