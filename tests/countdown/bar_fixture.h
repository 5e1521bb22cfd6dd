#pragma once

#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "widgets/hot_area.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
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

    // Loaded and grown to its full size.
    Form1& loadOpen(const std::string& settingsFile = "") {
        Form1& bar = load(settingsFile);
        tickUntilStopped(bar.Opener, [&] { bar.Opener_Timer(); });
        return bar;
    }

    // Ticks a timer's handler until the timer stops; the number of ticks.
    static int tickUntilStopped(const QTimer& timer, const std::function<void()>& tick) {
        int ticks = 0;
        while (timer.isActive() && ticks < 10000) {
            tick();
            ++ticks;
        }
        return ticks;
    }

    // The search view, clicked into as a user does.
    static void startSearch(Form1& bar) {
        QTest::mouseClick(bar.ExpandButton, Qt::LeftButton);
        clickIntoBox(bar);
    }

    // The click makes the bar the active window, as the desktop does.
    static void clickIntoBox(Form1& bar) {
        bar.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
        QTest::mouseClick(bar.DateSearch, Qt::LeftButton);
    }

    // The user turns to another program.
    void activateOther() {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }

    static void type(Form1& bar, const QString& keys) { QTest::keyClicks(bar.DateSearch, keys); }

    TestProgram test;
    QWidget other;
};
