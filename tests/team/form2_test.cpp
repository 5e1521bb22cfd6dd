#include "app/form3.h"
#include "build_config.h"
#include "calendar/form4.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "schedule/schedule_samples.h"
#include "team/form2.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A program on 1 June 2006 with the site's schedule split into its tables.
struct PanelTest : ::testing::Test {
    PanelTest() {
        XMLParsing::splitGroups(siteSchedule(), test.program.groupTables());
        bar().show();
    }

    Form1& bar() { return test.program.form1(); }

    // As the bar's expand action hands a team over.
    Form2& open(const char* typed) {
        bar().Form2Vis = 1;
        Form2& panel = test.program.form2();
        panel.TeamName->setCaption(typed);
        return panel;
    }

    static int tickUntilStopped(QTimer& timer, void (Form2::*tick)(), Form2& panel) {
        int ticks = 0;
        while (timer.isActive() && ticks < 1000) {
            (panel.*tick)();
            ++ticks;
        }
        return ticks;
    }

    // Ticks the closing until the panel is unloaded; the bar counts it open till then.
    int closeTicks(Form2& panel) {
        int ticks = 0;
        while (test.program.loadedForm2() && ticks < 1000) {
            EXPECT_EQ(bar().Form2Vis, 1);
            panel.CloseTimer_Timer();
            ++ticks;
        }
        EXPECT_EQ(bar().Form2Vis, 0);
        EXPECT_EQ(bar().FormTwoHWND, 0);
        return ticks;
    }

    Form2& openAndGrow(const char* typed) {
        Form2& panel = open(typed);
        tickUntilStopped(panel.OpenTimer, &Form2::OpenTimer_Timer, panel);
        panel.ParseMatchs_Timer();
        return panel;
    }

    void animationOff() { bar().Animated->setCaption("Animated? No"); }

    TestProgram test;
};

} // namespace

TEST_F(PanelTest, LoadsSmallBelowTheBarAndWaitsForTheLookup) {
    bar().setTwipsGeometry({3000, 600, 2790, 450});
    Form2& panel = test.program.form2();
    EXPECT_EQ(bar().FormTwoHWND, static_cast<int>(panel.winId()));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, 1050, 10, 10}));
    EXPECT_TRUE(panel.ParseMatchs.isActive() && panel.OpenTimer.isActive());
}

TEST_F(PanelTest, TheLookupWritesTheWorkedExample) {
    Form2& panel = open("costa rica");
    EXPECT_EQ(panel.TeamName->caption(), "Costa rica");
    panel.ParseMatchs_Timer();
    EXPECT_FALSE(panel.ParseMatchs.isActive());
    EXPECT_EQ(panel.TeamName->caption(), "Costa rica (group a)");
    EXPECT_EQ(panel.DatePlayingText->caption(), "09/06/2006\r\n18:00");
    EXPECT_EQ(panel.Against->caption(), "Germany");
    EXPECT_EQ(panel.Against->toolTip(), "Costa rica (group a) Vs. Germany");
    EXPECT_EQ(panel.Stad->caption(), "Playing at Munich");
    EXPECT_EQ(panel.Stad->toolTip(), "Playing at Munich Stadium.");
    EXPECT_TRUE(panel.Against->isVisible() && panel.DatePlayingText->isVisible() &&
                panel.Stad->isVisible() && panel.OpenExtension->isVisible());
    EXPECT_FALSE(panel.Loadingtext->isVisible());
}

TEST_F(PanelTest, UsaIsFoundHoweverItIsTypedAndItsNewsIsTheIndexPage) {
    for (const char* typed : {"u.s.a", "USA"}) {
        Form2& panel = open(typed);
        EXPECT_EQ(panel.TeamName->caption(), "USA");
        panel.ParseMatchs_Timer();
        EXPECT_EQ(panel.TeamName->caption(), "Usa (group e)");
        EXPECT_EQ(panel.Against->caption(), "Czech republic");
        panel.TeamNews_Click();
        EXPECT_EQ(test.shell.opened.back(),
                  std::string(BuildConfig::newsUrl) + "/06/en/w/news/index.html");
        test.program.unloadForm2();
    }
}

TEST_F(PanelTest, ATeamItCannotPlaceKeepsItLoading) {
    // No display name: asked again every second.
    Form2& panel = open("atlantis");
    for (int tick = 0; tick < 3; ++tick) {
        panel.ParseMatchs_Timer();
        EXPECT_TRUE(panel.ParseMatchs.isActive());
        EXPECT_TRUE(panel.Loadingtext->isVisible());
        EXPECT_FALSE(panel.OpenExtension->isVisible());
    }
    test.program.unloadForm2();

    // A team past its third match: asked once, and nothing shown.
    test.clock.set({{2006, 6, 20}, 9, 0, 0});
    Form2& played = open("germany");
    played.ParseMatchs_Timer();
    EXPECT_FALSE(played.ParseMatchs.isActive());
    EXPECT_EQ(played.TeamName->caption(), "Germany");
    EXPECT_TRUE(played.Loadingtext->isVisible());
    EXPECT_FALSE(played.OpenExtension->isVisible() || played.Against->isVisible());
}

TEST_F(PanelTest, InTheLowestThirdThePanelOpensAboveTheBar) {
    const int lowest = bar().screenHeightTwips() - bar().screenHeightTwips() / 3 + 15;
    bar().setTwipsGeometry({3000, lowest, 2790, 450});
    Form2& panel = open("germany");
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, lowest - 10, 10, 10}));
    tickUntilStopped(panel.OpenTimer, &Form2::OpenTimer_Timer, panel);
    panel.MoveMe();
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, lowest - 1440, 2610, 1440}));

    // Moved up out of the lowest third, the bar takes the panel below it.
    bar().setTwipsGeometry({1500, 900, 2790, 450});
    panel.MoveMe();
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{1500, 1350, 2610, 1440}));
}

TEST_F(PanelTest, ItGrowsWidensNarrowsAndShrinksAwayInOneTickEachWithoutAnimation) {
    struct Case {
        bool animated;
        int ticks; // to grow; to widen or narrow, twice as many; to shrink away
        int narrowCloseMeAt;
    };
    for (const Case c : {Case{true, 73, 159}, Case{false, 1, 160}}) {
        if (!c.animated) {
            animationOff();
        }
        Form2& panel = open("germany");
        bar().Form2Vis = 0;
        EXPECT_EQ(tickUntilStopped(panel.OpenTimer, &Form2::OpenTimer_Timer, panel), c.ticks);
        EXPECT_EQ(bar().Form2Vis, 1); // only once grown
        EXPECT_EQ(panel.twipsGeometry().width, 2610);
        EXPECT_EQ(panel.twipsGeometry().height, 1440);
        panel.ParseMatchs_Timer();

        const int slide = c.animated ? 132 : 1;
        panel.OpenExtension_Click();
        EXPECT_EQ(tickUntilStopped(panel.ExtOpen, &Form2::ExtOpen_Timer, panel), slide);
        EXPECT_EQ(panel.twipsGeometry().width, 5220);
        EXPECT_EQ(panel.CloseMe->geometry().topLeft(), QPoint(334, 0));
        panel.OpenExtension_Click();
        EXPECT_EQ(tickUntilStopped(panel.ExtClose, &Form2::ExtClose_Timer, panel), slide);
        EXPECT_EQ(panel.twipsGeometry().width, 2610);
        EXPECT_EQ(panel.CloseMe->geometry().topLeft(), QPoint(c.narrowCloseMeAt, 0));

        panel.OpenExtension_Click();
        tickUntilStopped(panel.ExtOpen, &Form2::ExtOpen_Timer, panel);
        // A close from the desktop takes the way of the panel's own button.
        EXPECT_FALSE(panel.close());
        EXPECT_EQ(closeTicks(panel), c.ticks);
    }
}

TEST_F(PanelTest, OverlappingMovementsStillReachAnEndState) {
    // The arrow waits for the growing to end; closing stops the growing.
    Form2& panel = open("germany");
    panel.ParseMatchs_Timer();
    panel.OpenTimer_Timer();
    panel.OpenExtension_Click();
    EXPECT_FALSE(panel.ExtOpen.isActive() || panel.ExtClose.isActive());
    panel.CloseMe_Click();
    EXPECT_FALSE(panel.OpenTimer.isActive());
    EXPECT_EQ(closeTicks(panel), 3); // 30 to 10 to 0, then gone

    // A second click on the arrow turns a widening back.
    Form2& again = openAndGrow("germany");
    again.OpenExtension_Click();
    for (int tick = 0; tick < 10; ++tick) {
        again.ExtOpen_Timer();
    }
    again.OpenExtension_Click();
    EXPECT_FALSE(again.ExtOpen.isActive());
    EXPECT_EQ(tickUntilStopped(again.ExtClose, &Form2::ExtClose_Timer, again), 11);
    EXPECT_EQ(again.twipsGeometry().width, 2610);
    EXPECT_EQ(again.CloseMe->geometry().topLeft(), QPoint(159, 0));
}

TEST_F(PanelTest, TheButtonsHandTheMatchOn) {
    animationOff();
    Form2& panel = openAndGrow("GERMANY");
    panel.OpenExtension_Click();
    panel.ExtOpen_Timer();

    QTest::mousePress(panel.MatchReminder, Qt::LeftButton);
    EXPECT_TRUE(panel.MatchReminderOver->isVisible());
    QTest::mouseRelease(panel.MatchReminder, Qt::LeftButton);
    EXPECT_FALSE(panel.MatchReminderOver->isVisible());
    QTest::mouseClick(panel.MatchReminder, Qt::LeftButton); // the same match: a notice only
    EXPECT_EQ(test.program.form3().Reminders, ";09/06/2006|18:00|Costa rica|Germany|a\r\n");
    EXPECT_EQ(test.messageBox.shown.at(0).title, "Kickoff Timer");

    QTest::mouseClick(panel.GroupCalender, Qt::LeftButton);
    ASSERT_NE(test.program.loadedForm4(), nullptr);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - Group A Calender");
    QTest::mouseClick(panel.Calender, Qt::LeftButton);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - All Groups Calender");

    QTest::mousePress(panel.TeamNews, Qt::LeftButton);
    EXPECT_TRUE(panel.TeamNewsOver->isVisible());
    EXPECT_TRUE(test.shell.opened.empty()); // only the release clicks
    QTest::mouseRelease(panel.TeamNews, Qt::LeftButton);
    ASSERT_EQ(test.shell.opened.size(), 1u);
    EXPECT_EQ(test.shell.opened[0],
              std::string(BuildConfig::newsUrl) + "/06/en/w/news/team/ger.html");
    QTest::mouseClick(panel.TeamNews, Qt::RightButton); // clicks nothing
    EXPECT_EQ(test.shell.opened.size(), 1u);
}

TEST_F(PanelTest, OnItsOwnTimersThePanelOpensFindsTheMatchAndCloses) {
    Form2& panel = open("germany");
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.OpenExtension->isVisible(); }, 5000));
    EXPECT_EQ(bar().Form2Vis, 1);
    QTest::mouseClick(panel.CloseMe, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return test.program.loadedForm2() == nullptr; }, 5000));
    EXPECT_EQ(bar().Form2Vis, 0);
}
