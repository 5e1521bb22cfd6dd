#include "build_config.h"
#include "calendar/form4.h"
#include "countdown/bar_fixture.h"
#include "reminders/reminder_store_ui.h"
#include "schedule/schedule_samples.h"

namespace {

// A program on 1 June 2006 with the site's schedule split into its tables.
struct PanelTest : BarTest {
    PanelTest() { XMLParsing::splitGroups(siteSchedule(), test.program.groupTables()); }

    // As the bar's expand action hands a team over.
    Form2& open(const char* typed, TwipsRect bar = {3000, 600, 2790, 450}) {
        load().setTwipsGeometry(bar);
        Form2& panel = test.program.form2();
        panel.showTeam(typed);
        return panel;
    }
};

} // namespace

TEST_F(PanelTest, OnItsOwnTimersItOpensBelowTheBarFindsTheMatchWidensNarrowsAndCloses) {
    Form2& panel = open("costa rica");
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, 1050, 10, 10}));
    EXPECT_EQ(caption(panel, "TeamName"), "Costa rica");
    ASSERT_TRUE(QTest::qWaitFor([&] { return child(panel, "OpenExtension")->isVisible(); }, 5000));
    EXPECT_EQ(
        (QStringList{caption(panel, "TeamName"), caption(panel, "DatePlayingText"),
                     caption(panel, "Against"), child(panel, "Against")->accessibleDescription(),
                     caption(panel, "Stad"), child(panel, "Stad")->accessibleDescription()}),
        (QStringList{"Costa rica (group a)", "09/06/2006\r\n18:00", "Germany",
                     "Costa rica (group a) Vs. Germany", "Playing at Munich",
                     "Playing at Munich Stadium."}));
    EXPECT_TRUE(child(panel, "Against")->isVisible() && child(panel, "Stad")->isVisible());
    EXPECT_EQ(child<CaptionLabel>(panel, "Against")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_FALSE(child(panel, "Loadingtext")->isVisible() ||
                 timer(panel, "ParseMatchs").isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !timer(panel, "OpenTimer").isActive(); }, 5000));
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, 1050, 2610, 1440}));
    for (auto [slide, closeMeLeft] : {std::pair{"ExtOpen", 334}, {"ExtClose", 159}}) {
        QTest::mouseClick(child(panel, "OpenExtension"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !timer(panel, slide).isActive(); }, 5000));
        EXPECT_EQ(child(panel, "CloseMe")->geometry().topLeft(), QPoint(closeMeLeft, 0)) << slide;
    }
    QTest::mouseClick(child(panel, "CloseMe"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return test.program.loadedForm2() == nullptr; }, 5000));
}

TEST_F(PanelTest, WithoutAnimationItGrowsAboveALowBarInOneTickAndTheArrowReverses) {
    const int lowest = load("[Animated No]").screenHeightTwips() * 2 / 3 + 15;
    Form2& panel = open("germany", {3000, lowest, 2790, 450});
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, lowest - 10, 10, 10})) << "above the bar";
    panel.OpenTimer_Timer();
    panel.MoveMe();
    EXPECT_EQ(panel.twipsGeometry(), (TwipsRect{3000, lowest - 1440, 2610, 1440}));
    // With animation a second click turns a widening back, and a close stops the slide.
    child<CaptionLabel>(test.program.form1(), "Animated")->setCaption("Animated? Yes");
    panel.OpenExtension_Click();
    panel.ExtOpen_Timer();
    panel.OpenExtension_Click();
    EXPECT_TRUE(timer(panel, "ExtClose").isActive() && !timer(panel, "ExtOpen").isActive());
    panel.ExtClose_Timer(); // back at the narrow width, the narrowing not yet stopped
    panel.OpenExtension_Click();
    EXPECT_TRUE(timer(panel, "ExtOpen").isActive() && !timer(panel, "ExtClose").isActive());
    EXPECT_FALSE(panel.close()) << "a close from the desktop goes the panel's own way";
    EXPECT_FALSE(timer(panel, "ExtOpen").isActive());
    EXPECT_TRUE(timer(panel, "CloseTimer").isActive());
    test.program.unloadForm2();
    Form2& unknown = open("atlantis"); // no display name: asked again every second
    unknown.ParseMatchs_Timer();
    EXPECT_TRUE(timer(unknown, "ParseMatchs").isActive() &&
                child(unknown, "Loadingtext")->isVisible());
}

TEST_F(PanelTest, TheButtonsHandTheMatchOn) {
    Form2& panel = open("GERMANY");
    panel.ParseMatchs_Timer();
    QTest::mousePress(child(panel, "MatchReminder"), Qt::LeftButton);
    EXPECT_TRUE(child(panel, "MatchReminderOver")->isVisible());
    QTest::mouseRelease(child(panel, "MatchReminder"), Qt::LeftButton);
    EXPECT_FALSE(child(panel, "MatchReminderOver")->isVisible());
    QTest::mouseClick(child(panel, "MatchReminder"), Qt::LeftButton); // the same match again
    EXPECT_EQ(test.program.reminderStore().text(), ";09/06/2006|18:00|Costa rica|Germany|a\r\n");
    EXPECT_EQ(test.messageBox.shown, (std::vector<FakeMessageBox::Box>{
                                         {"You already have a match alert setup for this match.",
                                          "Kickoff Timer", MessageBox::Buttons::Ok}}));
    QTest::mouseClick(child(panel, "GroupCalender"), Qt::LeftButton);
    ASSERT_NE(test.program.loadedForm4(), nullptr);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - Group A Calender");
    QTest::mouseClick(child(panel, "Calender"), Qt::LeftButton);
    EXPECT_EQ(test.program.loadedForm4()->windowTitle(), "June - All Groups Calender");
    QTest::mouseClick(child(panel, "TeamNews"), Qt::RightButton); // clicks nothing
    QTest::mouseClick(child(panel, "TeamNews"), Qt::LeftButton);
    EXPECT_EQ(test.shell.opened, std::vector<std::string>{std::string(BuildConfig::newsUrl) +
                                                          "/06/en/w/news/team/ger.html"});
}
