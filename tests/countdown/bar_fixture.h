#pragma once

#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "team/form2.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

// A loaded bar on fake services. Its timers never run by themselves here:
// the tests tick them by calling their handlers.
class BarTest : public ::testing::Test {
protected:
    Form1& load(const std::string& settingsFile = "") {
        if (!settingsFile.empty()) {
            test.files.contents["/app/settings.dsl"] = settingsFile;
        }
        return test.program.form1();
    }

    // Ticks a timer's handler until the timer stops; the number of ticks.
    int tick(const char* name, void (Form1::*handler)()) {
        int ticks = 0;
        for (; timer(test.program.form1(), name).isActive() && ticks < 1000; ++ticks) {
            (test.program.form1().*handler)();
        }
        return ticks;
    }

    // The user turns to another program, or back to the bar.
    static void activate(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QLineEdit* dateSearch() { return child<QLineEdit>(test.program.form1(), "DateSearch"); }

    Form2& openPanel(Form1& bar, const char* typed) {
        bar.ExpandButton_Click();
        dateSearch()->setText(typed);
        bar.ExpandButton_Click();
        return test.program.form2();
    }

    TestProgram test;
    QWidget other;
};
