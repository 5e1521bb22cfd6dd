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
    PanelTest() { XMLParsing::splitGroups(siteSchedule(), test.program.groupTables()); }

    // As the bar's expand action hands a team over.
    Form2& open(const char* typed, TwipsRect bar = {3000, 600, 2790, 450}) {
        test.program.form1().setTwipsGeometry(bar);
        test.program.form1().Form2Vis = 1;
        Form2& panel = test.program.form2();
        panel.TeamName->setCaption(typed);
        return panel;
    }

    // Ticks a timer's handler until the timer stops or the panel is gone.
    int tick(const QTimer& timer, void (Form2::*handler)()) {
        int ticks = 0;
        for (; test.program.loadedForm2() && timer.isActive() && ticks < 1000; ++ticks) {
            (test.program.loadedForm2()->*handler)();
        }
        return ticks;
    }

    TestProgram test;
};

} // namespace

TEST_F(PanelTest, OnItsOwnTimersItOpensBelowTheBarFindsTheMatchAndCloses) {
    Form2& panel = open("costa rica");
    EXPECT_EQ(test.program.form1().FormTwoHWND, static_cast<int>(panel.winId()));
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, 1050, 10, 10}));
    EXPECT_EQ(panel.TeamName->caption(), "Costa rica");
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.OpenExtension->isVisible(); }, 5000));
    EXPECT_EQ(panel.TeamName->caption(), "Costa rica (group a)");
    EXPECT_EQ(panel.DatePlayingText->caption(), "09/06/2006\r\n18:00");
    EXPECT_EQ(panel.Against->caption(), "Germany");
    EXPECT_EQ(panel.Against->toolTip(), "Costa rica (group a) Vs. Germany");
    EXPECT_EQ(panel.Stad->caption(), "Playing at Munich");
    EXPECT_EQ(panel.Stad->toolTip(), "Playing at Munich Stadium.");
    EXPECT_TRUE(panel.Against->isVisible() && panel.Stad->isVisible());
    EXPECT_FALSE(panel.Loadingtext->isVisible() || panel.ParseMatchs.isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.OpenTimer.isActive(); }, 5000));
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, 1050, 2610, 1440}));
    QTest::mouseClick(panel.CloseMe, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return test.program.loadedForm2() == nullptr; }, 5000));
    EXPECT_EQ(test.program.form1().Form2Vis, 0);
    EXPECT_EQ(test.program.form1().FormTwoHWND, 0);
}

TEST_F(PanelTest, ATeamItCannotPlaceKeepsItLoadingAndTheLowestThirdOpensAbove) {
    Form2& unknown = open("atlantis"); // no display name: asked again every second
    unknown.ParseMatchs_Timer();
    EXPECT_TRUE(unknown.ParseMatchs.isActive() && unknown.Loadingtext->isVisible());
    test.program.unloadForm2();
    test.clock.set({{2006, 6, 20}, 9, 0, 0});
    const int lowest = test.program.form1().screenHeightTwips() * 2 / 3 + 15;
    Form2& played = open("germany", {3000, lowest, 2790, 450}); // past its third match
    EXPECT_EQ(played.twipsGeometry(), (TwipsRect{3000, lowest - 10, 10, 10}));
    played.ParseMatchs_Timer();
    EXPECT_FALSE(played.ParseMatchs.isActive() || played.OpenExtension->isVisible());
    EXPECT_TRUE(played.Loadingtext->isVisible());
    tick(played.OpenTimer, &Form2::OpenTimer_Timer);
    played.MoveMe();
    EXPECT_EQ(played.twipsGeometry(), (TwipsRect{3000, lowest - 1440, 2610, 1440}));
}

TEST_F(PanelTest, ItGrowsWidensNarrowsAndShrinksAwayOrJumpsWithoutAnimation) {
    for (const bool animated : {true, false}) {
        test.program.form1().Animated->setCaption(animated ? "Animated? Yes" : "Animated? No");
        Form2& panel = open("germany");
        test.program.form1().Form2Vis = 0;
        panel.OpenExtension_Click();
        EXPECT_FALSE(panel.ExtOpen.isActive()) << "the arrow waits for the growing";
        tick(panel.OpenTimer, &Form2::OpenTimer_Timer);
        EXPECT_EQ(test.program.form1().Form2Vis, 1) << "only once grown";
        panel.OpenExtension_Click();
        tick(panel.ExtOpen, &Form2::ExtOpen_Timer);
        EXPECT_EQ(panel.CloseMe->geometry().topLeft(), QPoint(334, 0));
        panel.OpenExtension_Click();
        EXPECT_EQ(tick(panel.ExtClose, &Form2::ExtClose_Timer), animated ? 132 : 1);
        EXPECT_EQ(panel.twipsGeometry().width, 2610);
        EXPECT_EQ(panel.CloseMe->geometry().topLeft(), QPoint(animated ? 159 : 160, 0));

        // A second click on the arrow turns a widening back; a close stops it.
        panel.OpenExtension_Click();
        panel.ExtOpen_Timer();
        panel.OpenExtension_Click();
        EXPECT_FALSE(panel.ExtOpen.isActive());
        EXPECT_FALSE(panel.close()) << "a close from the desktop goes the panel's own way";
        EXPECT_FALSE(panel.ExtClose.isActive());
        EXPECT_EQ(tick(panel.CloseTimer, &Form2::CloseTimer_Timer), animated ? 73 : 1);
        EXPECT_EQ(test.program.loadedForm2(), nullptr);
    }
}

TEST_F(PanelTest, TheButtonsHandTheMatchOn) {
    Form2& panel = open("GERMANY");
    panel.ParseMatchs_Timer();
    QTest::mousePress(panel.MatchReminder, Qt::LeftButton);
    EXPECT_TRUE(panel.MatchReminderOver->isVisible());
    QTest::mouseRelease(panel.MatchReminder, Qt::LeftButton);
    EXPECT_FALSE(panel.MatchReminderOver->isVisible());
    EXPECT_EQ(test.program.form3().Reminders, ";09/06/2006|18:00|Costa rica|Germany|a\r\n");
    QTest::mouseClick(panel.GroupCalender, Qt::LeftButton);
    ASSERT_NE(test.program.loadedForm4(), nullptr);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - Group A Calender");
    QTest::mouseClick(panel.Calender, Qt::LeftButton);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - All Groups Calender");
    QTest::mouseClick(panel.TeamNews, Qt::RightButton); // clicks nothing
    QTest::mouseClick(panel.TeamNews, Qt::LeftButton);
    EXPECT_EQ(test.shell.opened, std::vector<std::string>{std::string(BuildConfig::newsUrl) +
                                                          "/06/en/w/news/team/ger.html"});
}
