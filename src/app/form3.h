#pragma once

#include <QWidget>

#include <string>

class Program;

// The hidden controller window, alive for the whole run: it holds the
// schedule text, the reminder store and the settings text, and its load runs
// the start-up steps in order.
class Form3 : public QWidget {
    Q_OBJECT
public:
    explicit Form3(Program& program);

    void Form_Load();

    std::string RichTextBox1; // the schedule text
    std::string Reminders;    // the reminder store's text
    std::string Settings;     // the text of settings.dsl

    // Whether Reminders was read from RemindMe.dsl in this run; only then may
    // an ending write it back.
    bool remindersLoaded = false;

private:
    Program& program_;
};
