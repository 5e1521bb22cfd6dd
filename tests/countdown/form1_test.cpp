#include "countdown/form1.h"
#include "fakes/test_program.h"
#include "widgets/caption_label.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

int screenWidthTwips() {
    return QGuiApplication::primaryScreen()->geometry().width() * 15;
}

} // namespace

TEST(Form1, LoadsAsTheBarNearTheTopRightCorner) {
    TestProgram test;
    Form1& bar = test.program.form1();
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{screenWidthTwips() - 3790, 0, 2790, 450}));
    EXPECT_EQ(bar.geometry(), QRect((screenWidthTwips() - 3790) / 15, 0, 186, 30));
    EXPECT_EQ(bar.windowTitle(), "Countdown");
    EXPECT_TRUE(bar.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(bar.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(bar.NextMatch->caption(), "Germany Vs Costa Rica");
    EXPECT_EQ(bar.CountdownDisplay->caption(), "~Countdown~");
    EXPECT_TRUE(bar.Timer1.isActive());
    EXPECT_EQ(bar.Timer1.interval(), 10);
    EXPECT_EQ(bar.DateSearch->geometry(), QRect(16, 5, 117, 20));
}

TEST(Form1, FirstTickWritesTheCounterAndSlowsTheTimer) {
    TestProgram test;
    test.clock.set({{2006, 6, 7}, 23, 59, 59});
    Form1& bar = test.program.form1();
    bar.Timer1_Timer();
    EXPECT_EQ(bar.CountdownDisplay->caption(), "2 Days left until 09/06/06");
    EXPECT_EQ(bar.CountdownDisplay->toolTip(),
              "There are 2 days left until the start of the 2006 World Cup.");
    EXPECT_EQ(bar.Timer1.interval(), 10000);

    // The same caption again changes nothing; a new day does on the next refresh.
    bar.Timer1.setInterval(10);
    bar.Timer1_Timer();
    EXPECT_EQ(bar.Timer1.interval(), 10);
    test.clock.set({{2006, 6, 8}, 0, 0, 1});
    bar.Timer1_Timer();
    EXPECT_EQ(bar.CountdownDisplay->caption(), "The next match is...");
    EXPECT_EQ(bar.CountdownDisplay->toolTip(), "The next match is...");
    EXPECT_EQ(bar.Timer1.interval(), 10000);
}

TEST(Form1, ASecondCopyEndsDuringLoad) {
    TestProgram test;
    test.instance.another = true;
    // The first copy has already given the folder its icon file.
    test.files.contents["/app/desktop.ini"] = "";
    test.program.start();
    EXPECT_TRUE(test.program.ended());
    ASSERT_NE(test.program.loadedForm1(), nullptr);
    EXPECT_FALSE(test.program.loadedForm1()->isVisible());
    EXPECT_FALSE(test.program.loadedForm1()->Timer1.isActive());
    EXPECT_EQ(test.files.writes, 0);
}
