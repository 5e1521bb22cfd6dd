#include "calendar/day_label.h"
#include "calendar/form4.h"
#include "calendar/form5.h"
#include "calendar/open_calender.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "schedule/schedule_samples.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct CalendarTest : ::testing::Test {
    CalendarTest() { XMLParsing::splitGroups(siteSchedule(), test.program.groupTables()); }
    // Unloaded windows are deleted once the running event is done.
    ~CalendarTest() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Form4& openGroupA() {
        CalenderParsing::OpenCalender(test.program, "(group A)");
        return *test.program.loadedForm4();
    }
    Form5* matchDay() { return test.program.loadedForm5(); }

    TestProgram test;
};

} // namespace

TEST_F(CalendarTest, AGroupPageOpensTheMatchDayWindowOfADay) {
    Form4& calendar = openGroupA();
    EXPECT_TRUE(calendar.isVisible());
    EXPECT_EQ(calendar.windowTitle(), "June - Group A Calender");
    EXPECT_EQ(calendar.Day(9)->toolTip(), calendar.Day(9)->caption());
    EXPECT_TRUE(calendar.Day(31)->isGrey());
    EXPECT_EQ(calendar.Day(30)->frameShape(), QFrame::Box);

    QTest::mouseClick(calendar.Day(9), Qt::LeftButton);
    ASSERT_NE(matchDay(), nullptr);
    Form5& day = *matchDay();
    EXPECT_TRUE(day.isVisible());
    EXPECT_EQ(day.Date->caption(), "09/06/2006");
    EXPECT_EQ(day.Time[1]->caption(), "21:00");
    EXPECT_EQ(day.Team2[0]->caption(), "Costa rica");
    EXPECT_EQ(day.Team1[2]->caption(), "Team1"); // unused rows keep their design texts
    EXPECT_EQ(day.twipsGeometry().height, 2595);

    QTest::mouseClick(calendar.Day(10), Qt::LeftButton); // a bare day closes it
    EXPECT_EQ(matchDay(), nullptr);

    QTest::mouseMove(calendar.Day(9));
    EXPECT_EQ(calendar.MatchDay->caption(), "Friday 9th. June ");
    QTest::mouseMove(calendar.Day(31));
    EXPECT_EQ(calendar.MatchDay->caption(), "Friday 9th. June ");
}

TEST_F(CalendarTest, PagesFollowTheButtonsAndTheTitleNamesTheWindow) {
    Form4& calendar = openGroupA();
    QTest::mouseClick(calendar.Day(9), Qt::LeftButton);
    QTest::mouseClick(calendar.NextMonth, Qt::LeftButton);
    QTest::mouseClick(calendar.Stage2, Qt::LeftButton);
    EXPECT_EQ(calendar.windowTitle(), "July - Knock-out Stages");
    EXPECT_TRUE(calendar.Day(9)->caption().startsWith("9. [Final]"));
    // In the knock-out view a day click neither opens nor closes the match day window.
    QTest::mouseClick(calendar.Day(9), Qt::LeftButton);
    EXPECT_NE(matchDay(), nullptr);
    test.program.unloadForm5();
    QTest::mouseClick(calendar.Day(1), Qt::LeftButton);
    EXPECT_EQ(matchDay(), nullptr);

    QTest::mouseClick(calendar.ChangeGroup[2], Qt::LeftButton);
    EXPECT_EQ(calendar.windowTitle(), "June - Group C Calender");
    EXPECT_EQ(calendar.StageView, CalenderParsing::StageView::GroupStage);
    QTest::mouseClick(calendar.Stage2, Qt::LeftButton);
    QTest::mouseClick(calendar.Stage1, Qt::LeftButton);
    EXPECT_EQ(calendar.windowTitle(), "June - All Groups Calender");
    QTest::mouseClick(calendar.PrevMonth, Qt::LeftButton);
    QTest::mouseClick(calendar.ChangeGroupAll, Qt::LeftButton);
    EXPECT_EQ(calendar.accessibleName(), "June - All Groups Calender");

    // Closed, the next use starts from the design texts.
    calendar.MatchDay->setCaption("Friday 9th. June ");
    QTest::mouseClick(calendar.CloseMe, Qt::LeftButton);
    EXPECT_EQ(test.program.loadedForm4(), nullptr);
    Form4& fresh = test.program.form4();
    EXPECT_EQ(fresh.MatchDay->caption(), "Monday 14th 2006");
    EXPECT_EQ(fresh.windowTitle(), "June - Group A Calender");
    EXPECT_TRUE(fresh.Day(31)->isGrey());
}

TEST_F(CalendarTest, TheMatchDayWindowShrinksAwayOnlyWhileClosing) {
    for (bool animated : {true, false}) {
        test.program.form1().Animated->setCaption(animated ? "Animated? Yes" : "Animated? No");
        Form4& calendar = openGroupA();
        QTest::mouseClick(calendar.Day(20), Qt::LeftButton);
        Form5& day = *matchDay();
        EXPECT_FALSE(day.CloseTimer.isActive());
        QTest::mouseClick(day.CloseMe, Qt::LeftButton);
        ASSERT_TRUE(day.CloseTimer.isActive());
        day.CloseTimer_Timer();
        if (animated) {
            EXPECT_EQ(day.twipsGeometry().width, 2155);
            EXPECT_EQ(day.twipsGeometry().height, 2575);
            ASSERT_TRUE(QTest::qWaitFor([&] { return matchDay() == nullptr; }, 5000));
        }
        EXPECT_EQ(matchDay(), nullptr);
    }
}
