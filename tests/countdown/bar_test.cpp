#include "bar_fixture.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

#include <QToolTip>

using Form1Load = BarTest;

TEST_F(Form1Load, GrowsOpenAndWritesTheDaysAndTheNextMatch) {
    test.clock.set({{2006, 6, 7}, 23, 59, 59});
    Form1& bar = load();
    EXPECT_EQ(bar.NextMatch->caption(), "Germany Vs Costa Rica");
    EXPECT_EQ(test.windowEffects.keptOnTop, std::vector<QWidget*>{&bar});
    EXPECT_TRUE(bar.isVisible() && bar.Opener.isActive() && bar.Timer1.isActive() &&
                bar.Timer3.isActive());
    EXPECT_EQ(bar.twipsGeometry().width + bar.twipsGeometry().height, 20) << "from 10 by 10";
    bar.Timer1_Timer();
    EXPECT_EQ(bar.CountdownDisplay->caption(), "2 Days left until 09/06/06");
    EXPECT_EQ(bar.Timer1.interval(), 10000);
}

TEST_F(Form1Load, ASecondCopyEndsWithoutTouchingAnything) {
    test.instance.another = true;
    test.files.contents["/app/desktop.ini"] = ""; // the first copy made it
    test.program.start();
    ASSERT_TRUE(test.program.ended() && test.program.loadedForm1());
    Form1& bar = *test.program.loadedForm1();
    EXPECT_FALSE(bar.isVisible() || bar.Timer1.isActive() || bar.Timer3.isActive());
    EXPECT_EQ(test.files.writes, 0);
    bar.setTwipsGeometry({0, 0, 100, 100});
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar.Timer3.isActive()) << "nothing wakes it";
}

using SearchBox = BarTest;

TEST_F(SearchBox, TheBoxTakesTheFocusOnAClickAndHandsTheTeamToThePanel) {
    Form1& bar = load("[AutoComplete No]");
    activate(other);
    QTest::mouseClick(bar.ExpandButton, Qt::LeftButton);
    EXPECT_TRUE(other.isActiveWindow()) << "the view switch takes no focus";
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    EXPECT_TRUE(bar.CountdownDisplay->isHidden() && bar.NextMatch->isHidden());
    for (const char* typed : {"", "GERMANY"}) { // the second search works as the first
        activate(bar);
        QTest::mouseClick(bar.DateSearch, Qt::LeftButton);
        EXPECT_EQ(bar.DateSearch->text(), "");
        QTest::keyClicks(bar.DateSearch, typed);
        activate(other); // switching programs keeps the typed text
        activate(bar);
        EXPECT_EQ(bar.DateSearch->text(), typed);
        EXPECT_EQ(bar.SearchButton->isHidden(), *typed == '\0');
        QTest::keyClick(bar.DateSearch, Qt::Key_Return);
        EXPECT_TRUE(bar.DateSearch->isHidden() && !bar.NextMatch->isHidden());
        EXPECT_EQ(bar.Form2Vis, *typed == '\0' ? 0 : 1);
        QTest::mouseClick(bar.ExpandButton, Qt::LeftButton);
    }
    // Back in the search view the panel goes at once.
    EXPECT_EQ(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(bar.Form2Vis, 0);
    EXPECT_EQ(openPanel(bar, "GERMANY").TeamName->caption(), "Germany");
    EXPECT_TRUE(bar.SearchButton->isHidden() && bar.TimerSuggestClose.isActive());
}

TEST_F(SearchBox, KeysOfferOrCompleteATeamAndSlideTheStrip) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    bar.ExpandButton_Click();
    bar.DateSearch->setText("i");
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Iran?");
    tick(bar.TimerSuggestOpen, &Form1::TimerSuggestOpen_Timer);
    EXPECT_EQ(bar.twipsGeometry().height, 705) << "the strip opens downwards";
    bar.DateSearch->setText("b"); // a plain completion leaves the strip
    EXPECT_EQ(bar.DateSearch->text(), "Brazil");
    EXPECT_FALSE(bar.SearchButton->isHidden() || bar.TimerSuggestClose.isActive());
    bar.DateSearch->setText("");
    EXPECT_TRUE(bar.SearchButton->isHidden());
    QTest::mouseClick(bar.Suggest, Qt::LeftButton);
    EXPECT_EQ(bar.DateSearch->text(), "Iran");
    EXPECT_FALSE(bar.SearchButton->isHidden());
    bar.TimerSuggestClose_Timer();
    bar.DateSearch->setText("a");
    EXPECT_FALSE(bar.TimerSuggestClose.isActive()) << "an offer stops the closing";
    bar.DateSearch->setText("an"); // a completion shuts the strip
    EXPECT_EQ(bar.DateSearch->text(), "Angola");
    EXPECT_FALSE(bar.TimerSuggestOpen.isActive());
    tick(bar.TimerSuggestClose, &Form1::TimerSuggestClose_Timer);
    EXPECT_EQ(bar.twipsGeometry().height, 450);
}

using BarBehaviour = BarTest;

TEST_F(BarBehaviour, FadesWithThePanelAndTheSettingsStripSlides) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    Form2& panel = openPanel(bar, "ge");
    test.windowEffects.foreground = bar.FormTwoHWND; // the panel in front counts as the bar
    bar.Timer3_Timer();
    EXPECT_FALSE(bar.TransTimer.isActive());
    test.windowEffects.foreground = -1;
    bar.Timer3.start(); // as the focus change does
    bar.Timer3_Timer();
    EXPECT_TRUE(bar.Timer3.isActive()) << "its next tick would act";
    bar.Timer3.stop();
    tick(bar.TransTimer, &Form1::TransTimer_Timer);
    EXPECT_EQ(test.windowEffects.opacities[&bar].size(), 16u) << "the start applies it once";
    EXPECT_EQ(test.windowEffects.opacities[&panel], test.windowEffects.opacities[&bar]);
    EXPECT_EQ(bar.opacityLevel(), 120);
    EXPECT_TRUE(bar.Timer3.isActive()) << "at rest the focus is checked again";
    bar.Timer3.stop();
    QTest::mouseClick(bar.Animated, Qt::LeftButton);
    EXPECT_TRUE(bar.Timer3.isActive()) << "a settings flip wakes it";

    // A right click on the day counter reaches the face beneath it.
    QTest::mouseClick(bar.Image1, Qt::LeftButton);
    EXPECT_FALSE(bar.SettingsOpen.isActive());
    QTest::mouseClick(bar.windowHandle(), Qt::RightButton, {},
                      bar.CountdownDisplay->geometry().center());
    tick(bar.SettingsOpen, &Form1::SettingsOpen_Timer);
    EXPECT_EQ(bar.twipsGeometry().width, 5580);
    QTest::mouseClick(bar.CloseSettings, Qt::LeftButton);
    bar.Image1_MouseDown(Qt::RightButton);
    EXPECT_FALSE(bar.SettingsClose.isActive()) << "starting one slide stops the other";
    bar.CloseSettings_Click();
    tick(bar.SettingsClose, &Form1::SettingsClose_Timer);
    EXPECT_EQ(bar.twipsGeometry().width, 2790);
}

// Edge keeping's wiring is the monitors test's.
TEST_F(BarBehaviour, FollowsTheMouseWhenTheSystemWontDrag) {
    Form1& bar = load("[Animated No]");
    Form2& panel = openPanel(bar, "ge");
    bar.Draggable_MouseDown(Qt::LeftButton);
    bar.Draggable_MouseMove(Qt::LeftButton | Qt::RightButton, {3, 3});
    bar.Draggable_MouseMove(Qt::LeftButton, {3, 3});
    bar.Draggable_MouseMove(Qt::LeftButton, {4, 3}); // held as Qt has it, released in truth
    test.windowEffects.systemMoveWorks = false;
    bar.setTwipsGeometry({3000, 3000, 2790, 450});
    bar.Draggable_MouseDown(Qt::LeftButton);
    bar.Draggable_MouseMove(Qt::LeftButton, {5, 5});
    bar.Draggable_MouseMove(Qt::LeftButton, {15, 205});
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{3150, 6000, 2790, 450}));
    EXPECT_EQ(panel.twipsGeometry().top, 6450) << "below the bar";
    bar.Draggable_MouseUp();
    bar.Draggable_MouseDown(Qt::LeftButton);
    bar.Draggable_MouseMove(Qt::LeftButton, {50, 50});
    EXPECT_EQ(bar.twipsGeometry().top, 6000) << "a new drag asks the system first";
    EXPECT_EQ(test.windowEffects.systemMoves, 3) << "once a press, for the left button alone";
}

TEST_F(BarBehaviour, TheDayCounterShowsItsTooltipWhileAnotherProgramIsActive) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    bar.Timer1_Timer();
    activate(other);
    // The mouse comes in over the grip and comes to rest on the counter.
    for (const QPoint at : {QPoint(1, 1), bar.CountdownDisplay->geometry().center()}) {
        QTest::mouseMove(bar.windowHandle(), at);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), bar.CountdownDisplay->toolTip());
}
