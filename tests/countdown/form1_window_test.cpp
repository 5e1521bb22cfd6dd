#include "app/form3.h"
#include "bar_fixture.h"
#include "team/form2.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

#include <QToolTip>

#include <tuple>
#include <vector>

using BarBehaviour = BarTest;

TEST_F(BarBehaviour, Timer3RestsOnceSettledAndWakesWhenMovedOut) {
    Form1& bar = loadOpen();
    bar.Timer3_Timer();
    EXPECT_EQ(bar.twipsGeometry().top, 20) << "first tick after load";
    EXPECT_FALSE(bar.Timer3.isActive()) << "inside the screen and focused: nothing to do";

    TwipsRect out = bar.twipsGeometry();
    out.left = bar.screenWidthTwips() - out.width + 50;
    bar.setTwipsGeometry(out);
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar.Timer3.isActive());
    EXPECT_EQ(tickUntilStopped(bar.Timer3, [&] { bar.Timer3_Timer(); }), 3);
    EXPECT_EQ(bar.twipsGeometry().left, out.left - 60);
}

TEST_F(BarBehaviour, TheRestNeverSkipsATickThatWouldAct) {
    // Whatever happens, a stopped Timer3 means its tick is a no-op.
    Form1& bar = load();
    const auto state = [&] {
        return std::tuple(bar.twipsGeometry(), test.windowEffects.opacities.size(),
                          bar.TransTimer.isActive(), bar.opacityLevel());
    };
    const std::pair<QTimer*, void (Form1::*)()> timers[] = {
        {&bar.Opener, &Form1::Opener_Timer},
        {&bar.TransTimer, &Form1::TransTimer_Timer},
        {&bar.Timer3, &Form1::Timer3_Timer},
        {&bar.SettingsOpen, &Form1::SettingsOpen_Timer},
    };
    for (int step = 0; step < 400; ++step) {
        // Moves and resizes reach the window through the event loop.
        QCoreApplication::processEvents();
        for (const auto& [timer, tick] : timers) {
            if (timer->isActive()) {
                (bar.*tick)();
            }
        }
        if (!bar.Timer3.isActive()) {
            const auto before = state();
            bar.Timer3_Timer();
            ASSERT_EQ(state(), before) << step;
            ASSERT_FALSE(bar.Timer3.isActive());
        }
        if (step == 100 || step == 108) {
            // The user works elsewhere, and comes back in the middle of the fade.
            test.windowEffects.foreground = step == 100 ? -1 : static_cast<int>(bar.winId());
            bar.Timer3.start();   // as the focus change does
        } else if (step == 250) { // the strip opens near the right edge
            bar.move((bar.screenWidthTwips() - 3000) / 15, 40);
            QCoreApplication::processEvents();
            bar.Image1_MouseDown(Qt::RightButton);
        }
    }
    EXPECT_EQ(bar.opacityLevel(), 255) << "faded out and back in";
    EXPECT_EQ(bar.twipsGeometry().width, 5580);
    EXPECT_LE(bar.twipsGeometry().left + 5580, bar.screenWidthTwips());
}

TEST_F(BarBehaviour, FadesOutInFifteenStepsAndASettingsFlipWakesTheCheck) {
    Form1& bar = loadOpen();
    test.windowEffects.foreground = -1;
    bar.Timer3_Timer();
    EXPECT_EQ(bar.fadeTag(), FadeDirection::Down);
    EXPECT_EQ(tickUntilStopped(bar.TransTimer, [&] { bar.TransTimer_Timer(); }), 15);
    const std::vector<int> out = test.windowEffects.opacitiesOf(&bar);
    ASSERT_EQ(out.size(), 16u) << "the start applies the level once";
    EXPECT_EQ((std::vector<int>{out.front(), out.back(), bar.opacityLevel()}),
              (std::vector<int>{255, 120, 120}));
    EXPECT_EQ(bar.fadeTag(), FadeDirection::None);

    test.windowEffects.foreground = static_cast<int>(bar.winId());
    QTest::mouseClick(bar.Animated, Qt::LeftButton);
    bar.Timer3_Timer();
    EXPECT_FALSE(bar.TransTimer.isActive()) << "without animation a faded bar stays faded";
    QTest::mouseClick(bar.Animated, Qt::LeftButton);
    EXPECT_TRUE(bar.Timer3.isActive()) << "a settings flip wakes it";
    bar.Timer3_Timer();
    EXPECT_EQ(bar.fadeTag(), FadeDirection::Up);
}

TEST_F(BarBehaviour, ThePanelAndNoWindowAtAllCountAsFocus) {
    Form1& bar = loadOpen();
    test.windowEffects.foreground = 0;
    bar.Timer3_Timer();
    EXPECT_FALSE(bar.TransTimer.isActive());
    EXPECT_TRUE(test.windowEffects.opacities.empty());

    bar.ExpandButton_Click();
    bar.DateSearch->setText("ge");
    bar.ExpandButton_Click();
    Form2* panel = test.program.loadedForm2();
    ASSERT_NE(panel, nullptr);
    test.windowEffects.foreground = bar.FormTwoHWND;
    bar.Timer3_Timer();
    EXPECT_FALSE(bar.TransTimer.isActive());

    // It fades along with the bar.
    test.windowEffects.foreground = -1;
    bar.Timer3_Timer();
    tickUntilStopped(bar.TransTimer, [&] { bar.TransTimer_Timer(); });
    EXPECT_EQ(test.windowEffects.opacitiesOf(panel), test.windowEffects.opacitiesOf(&bar));
    EXPECT_EQ(test.windowEffects.opacitiesOf(panel).back(), 120);
}

TEST_F(BarBehaviour, TheBarFollowsTheMouseWhenTheSystemWontDragAndTakesThePanel) {
    Form1& bar = load("[Animated No]");
    // The system drag is asked for on the left button alone.
    QTest::mouseMove(bar.Draggable, {3, 3});
    bar.Draggable_MouseMove(Qt::LeftButton | Qt::RightButton, {3, 3});
    EXPECT_EQ(test.windowEffects.systemMoves, 0);

    bar.ExpandButton_Click();
    bar.DateSearch->setText("ge");
    bar.ExpandButton_Click();
    Form2* panel = test.program.loadedForm2();
    ASSERT_NE(panel, nullptr);
    // The system refuses the drag: the bar follows the mouse itself.
    test.windowEffects.systemMoveWorks = false;
    bar.setTwipsGeometry({3000, 3000, 2790, 450});
    bar.Draggable_MouseMove(Qt::LeftButton, {5, 5});
    bar.Draggable_MouseMove(Qt::LeftButton, {15, 205});
    EXPECT_EQ(bar.twipsGeometry().left, 3150);
    EXPECT_EQ(bar.twipsGeometry().top, 6000);
    EXPECT_EQ(panel->twipsGeometry().left, 3150);
    EXPECT_EQ(panel->twipsGeometry().top, 6450) << "below the bar";

    bar.Draggable_MouseUp();
    bar.Draggable_MouseMove(Qt::LeftButton, {50, 50});
    EXPECT_EQ(bar.twipsGeometry().top, 6000) << "a new drag asks the system first";
    EXPECT_EQ(test.windowEffects.systemMoves, 2);
    bar.Draggable_MouseMove(Qt::NoButton, {60, 60});
    EXPECT_EQ(bar.twipsGeometry().top, 6000);
}

TEST_F(BarBehaviour, SettingsStripSlidesAndStartingOneSlideStopsTheOther) {
    Form1& bar = loadOpen();
    QTest::mouseClick(bar.Image1, Qt::LeftButton);
    EXPECT_FALSE(bar.SettingsOpen.isActive());
    // A right click on the day counter reaches the face beneath it.
    QTest::mouseClick(bar.windowHandle(), Qt::RightButton, {},
                      bar.CountdownDisplay->geometry().center());
    EXPECT_TRUE(bar.SettingsOpen.isActive());
    EXPECT_EQ(tickUntilStopped(bar.SettingsOpen, [&] { bar.SettingsOpen_Timer(); }), 94);
    EXPECT_EQ(bar.twipsGeometry().width, 5580);

    QTest::mouseClick(bar.CloseSettings, Qt::LeftButton);
    EXPECT_TRUE(bar.SettingsClose.isActive());
    bar.SettingsClose_Timer();
    bar.Image1_MouseDown(Qt::RightButton);
    EXPECT_FALSE(bar.SettingsClose.isActive());
    EXPECT_TRUE(bar.SettingsOpen.isActive());
    bar.CloseSettings_Click();
    EXPECT_FALSE(bar.SettingsOpen.isActive());

    // Without animation the strip jumps.
    QTest::mouseClick(bar.Animated, Qt::LeftButton);
    EXPECT_EQ(tickUntilStopped(bar.SettingsClose, [&] { bar.SettingsClose_Timer(); }), 1);
    EXPECT_EQ(bar.twipsGeometry().width, 2790);
}

TEST_F(BarBehaviour, TogglesFlipOnTheLeftButtonAndSaveNothingYet) {
    Form1& bar = load();
    QTest::mouseClick(bar.AutoLoad, Qt::LeftButton);
    EXPECT_EQ(bar.AutoLoad->caption(), "Auto Load? No");
    QTest::mouseClick(bar.AutoLoad, Qt::RightButton);
    EXPECT_EQ(bar.AutoLoad->caption(), "Auto Load? No");
    QTest::mouseClick(bar.AutoLoad, Qt::LeftButton);
    EXPECT_EQ(bar.AutoLoad->caption(), "Auto Load? Yes");
    EXPECT_FALSE(bar.SettingsOpen.isActive());
    EXPECT_EQ(test.files.writes, 0) << "saved only at unload";
    EXPECT_TRUE(test.autoStart.calls.empty());
}

TEST_F(BarBehaviour, TheDayCounterShowsItsTooltipWhileAnotherProgramIsActive) {
    Form1& bar = loadOpen();
    bar.Timer1_Timer();
    activateOther();
    // The mouse comes in over the grip and comes to rest on the counter.
    for (const QPoint at : {QPoint(1, 1), bar.CountdownDisplay->geometry().center()}) {
        QTest::mouseMove(bar.windowHandle(), at);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), bar.CountdownDisplay->toolTip());
}
