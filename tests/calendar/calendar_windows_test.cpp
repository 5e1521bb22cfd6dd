#include "calendar/day_label.h"
#include "calendar/form4.h"
#include "calendar/form5.h"
#include "calendar/open_calender_ui.h"
#include "fakes/test_program.h"
#include "schedule/schedule_samples.h"

#include <QTest>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

namespace {

struct CalendarTest : ::testing::Test {
    CalendarTest() {
        test.program.groupTables() = siteTables();
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
    EXPECT_EQ(calendar().windowTitle(), "June - Group A Calender"); // the design title
    click(calendar().Day(9));
    ASSERT_NE(matchDay(), nullptr);
    EXPECT_EQ(caption(*matchDay(), "Team2B"), "Ecuador");
    click(calendar().Day(10)); // a bare day closes it
    EXPECT_EQ(matchDay(), nullptr);

    QTest::mouseMove(calendar().Day(9));
    QTest::mouseMove(calendar().Day(31)); // June's grey 31st names nothing
    EXPECT_EQ(caption(calendar(), "MatchDay"), "Friday 9th. June ");
    calendar().Day(9)->showDay("<b>9</b>", false); // a tooltip shows markup as it is
    EXPECT_EQ(QTextDocumentFragment::fromHtml(calendar().Day(9)->toolTip()).toPlainText(),
              "<b>9</b>");
}

TEST_F(CalendarTest, ButtonsMoveThePagesAndCloseMeUnloads) {
    click(calendar().Day(9));
    click(child(calendar(), "NextMonth"));
    click(child(calendar(), "Stage2"));
    EXPECT_EQ(calendar().windowTitle(), "July - Knock-out Stages");
    click(calendar().Day(9)); // knock-out days neither open nor close it
    EXPECT_NE(matchDay(), nullptr);
    click(child(calendar(), "ChangeGroupC"));
    EXPECT_EQ(calendar().accessibleName(), "June - Group C Calender");
    click(child(calendar(), "Stage1"));
    EXPECT_EQ(calendar().windowTitle(), "June - All Groups Calender");
    click(child(calendar(), "CloseMe"));
    EXPECT_EQ(test.program.loadedForm4(), nullptr);
}
