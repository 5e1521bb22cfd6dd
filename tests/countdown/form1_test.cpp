#include "bar_fixture.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"

using Form1Load = BarTest;

TEST_F(Form1Load, GrowsOpenNearTheTopRightCorner) {
    Form1& bar = load();
    const int left = bar.screenWidthTwips() - 3790;
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{left, 0, 10, 10}));
    EXPECT_TRUE(bar.isVisible());
    EXPECT_TRUE(bar.windowFlags().testFlags(Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint));
    EXPECT_EQ(test.windowEffects.keptOnTop, std::vector<QWidget*>{&bar});
    EXPECT_EQ(bar.NextMatch->caption(), "Germany Vs Costa Rica");
    EXPECT_TRUE(bar.Timer1.isActive() && bar.Timer3.isActive());

    EXPECT_EQ(tickUntilStopped(bar.Opener, [&] { bar.Opener_Timer(); }), 71);
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{left, 0, 2790, 450}));
}

TEST_F(Form1Load, WithoutAnimationShowsTheFullBarAndNeverFades) {
    Form1& bar = load("[AutoLoad Yes]\r\n[Animated No]\r\n[AutoComplete Yes]");
    EXPECT_EQ(bar.Animated->caption(), "Animated? No");
    EXPECT_EQ(bar.twipsGeometry().width, 2790);
    EXPECT_EQ(bar.twipsGeometry().height, 450);
    EXPECT_FALSE(bar.Opener.isActive());
    test.windowEffects.foreground = -1;
    bar.Timer3_Timer();
    EXPECT_EQ(bar.twipsGeometry().top, 1) << "jumps back at once";
    for (int tick = 0; tick < 50; ++tick) {
        bar.Timer3_Timer();
    }
    EXPECT_TRUE(test.windowEffects.opacities.empty());
    EXPECT_FALSE(bar.TransTimer.isActive());
}

TEST_F(Form1Load, FirstTickWritesTheCounterAndSlowsTheTimer) {
    test.clock.set({{2006, 6, 7}, 23, 59, 59});
    Form1& bar = load();
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
    EXPECT_EQ(bar.Timer1.interval(), 10000);
}

TEST_F(Form1Load, ASecondCopyEndsWithoutTouchingAnything) {
    test.instance.another = true;
    // The first copy has already given the folder its icon file.
    test.files.contents["/app/desktop.ini"] = "";
    test.files.contents["/app/settings.dsl"] = "[Animated No]";
    test.program.start();
    EXPECT_TRUE(test.program.ended());
    ASSERT_NE(test.program.loadedForm1(), nullptr);
    Form1& bar = *test.program.loadedForm1();
    EXPECT_FALSE(bar.isVisible() || bar.Timer1.isActive() || bar.Timer3.isActive());
    EXPECT_EQ(bar.Animated->caption(), "Animated? Yes") << "settings not even read";
    EXPECT_EQ(test.files.writes, 0);
    EXPECT_TRUE(test.autoStart.calls.empty());
    // Nothing it is told afterwards wakes it.
    bar.setTwipsGeometry({0, 0, 100, 100});
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar.Timer3.isActive());
}
