#include "calendar/day_label.h"
#include "calendar/form4.h"
#include "calendar/form5.h"
#include "calendar/open_calender_ui.h"
#include "countdown/form1.h"
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
    EXPECT_EQ(calendar().twipsGeometry(),
              (TwipsRect{(calendar().screenWidthTwips() - 6960) / 2,
                         (calendar().screenHeightTwips() - 3675) / 2, 6960, 3675}));
    EXPECT_EQ(calendar().windowTitle(), "June - Group A Calender"); // the design title
    click(calendar().Day(9));
    ASSERT_NE(matchDay(), nullptr);
    EXPECT_EQ(caption(*matchDay(), "Team2B"), "Ecuador");
    EXPECT_EQ(child(*matchDay(), "Team1B")->palette().color(QPalette::WindowText),
              QColor(Qt::white));
    click(calendar().Day(10)); // a bare day closes it
    EXPECT_EQ(matchDay(), nullptr);

    QTest::mouseMove(calendar().Day(9));
    QTest::mouseMove(calendar().Day(31)); // June's grey 31st names nothing
    EXPECT_EQ(caption(calendar(), "MatchDay"), "Friday 9th. June ");
    EXPECT_EQ(calendar().Day(31)->frameStyle(), QFrame::Panel | QFrame::Sunken) << "grey";
    // Without animation the close button takes the window away on the first tick.
    child<CaptionLabel>(test.program.form1(), "Animated")->setCaption("Animated? No");
    click(calendar().Day(9));
    EXPECT_FALSE(child<QLabel>(*matchDay(), "CloseMe")->pixmap().isNull());
    click(child(*matchDay(), "CloseMe"));
    ASSERT_TRUE(timer(*matchDay(), "CloseTimer").isActive());
    matchDay()->CloseTimer_Timer();
    EXPECT_EQ(matchDay(), nullptr);
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
