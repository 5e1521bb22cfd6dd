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
    CalendarTest() {
        XMLParsing::splitGroups(siteSchedule(), test.program.groupTables());
        CalenderParsing::OpenCalender(test.program, "(group A)");
    }
    // Unloaded windows are deleted once the running event is done.
    ~CalendarTest() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Form4& calendar() { return *test.program.loadedForm4(); }
    Form5* matchDay() { return test.program.loadedForm5(); }
    void click(QWidget* element) { QTest::mouseClick(element, Qt::LeftButton); }

    TestProgram test;
};

} // namespace

TEST_F(CalendarTest, ADayWithMatchesOpensTheMatchDayWindow) {
    EXPECT_TRUE(calendar().isVisible());
    EXPECT_EQ(calendar().Day(30)->frameShape(), QFrame::Box);
    EXPECT_TRUE(calendar().Day(31)->isGrey());

    click(calendar().Day(9));
    ASSERT_NE(matchDay(), nullptr);
    EXPECT_EQ(matchDay()->Date->caption(), "09/06/2006");
    EXPECT_EQ(matchDay()->Team2[1]->caption(), "Ecuador");
    EXPECT_EQ(matchDay()->Team1[2]->caption(), "Team1"); // rows not in use
    EXPECT_EQ(matchDay()->twipsGeometry().height, 2595);
    click(calendar().Day(10)); // a bare day closes it
    EXPECT_EQ(matchDay(), nullptr);

    QTest::mouseMove(calendar().Day(9));
    QTest::mouseMove(calendar().Day(31)); // June's grey 31st names nothing
    EXPECT_EQ(calendar().MatchDay->caption(), "Friday 9th. June ");
}

TEST_F(CalendarTest, ButtonsMoveThePagesAndCloseMeUnloads) {
    click(calendar().Day(9));
    click(calendar().NextMonth);
    click(calendar().Stage2);
    EXPECT_EQ(calendar().windowTitle(), "July - Knock-out Stages");
    // Knock-out days neither open nor close the match day window.
    click(calendar().Day(9));
    EXPECT_NE(matchDay(), nullptr);
    test.program.unloadForm5();
    click(calendar().Day(1));
    EXPECT_EQ(matchDay(), nullptr);

    click(calendar().ChangeGroup[2]);
    EXPECT_EQ(calendar().accessibleName(), "June - Group C Calender");
    EXPECT_EQ(calendar().StageView, CalenderParsing::StageView::GroupStage);
    click(calendar().Stage1);
    EXPECT_EQ(calendar().windowTitle(), "June - All Groups Calender");

    click(calendar().CloseMe);
    EXPECT_EQ(test.program.loadedForm4(), nullptr);
    Form4& fresh = test.program.form4(); // from the design texts
    EXPECT_EQ(fresh.windowTitle(), "June - Group A Calender");
}

TEST_F(CalendarTest, TheMatchDayWindowShrinksOnlyWhileClosing) {
    for (const char* animated : {"Animated? Yes", "Animated? No"}) {
        test.program.form1().Animated->setCaption(animated);
        click(calendar().Day(20));
        Form5& day = *matchDay();
        EXPECT_FALSE(day.CloseTimer.isActive());
        click(day.CloseMe);
        ASSERT_TRUE(day.CloseTimer.isActive());
        day.CloseTimer_Timer();
        if (std::string(animated) == "Animated? No") {
            EXPECT_EQ(matchDay(), nullptr); // at once
            continue;
        }
        ASSERT_NE(matchDay(), nullptr);
        EXPECT_EQ(day.twipsGeometry().width, 2155);
        EXPECT_TRUE(QTest::qWaitFor([&] { return matchDay() == nullptr; }, 5000));
    }
}
