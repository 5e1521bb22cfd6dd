#include "bar_fixture.h"

#include <QToolTip>

using Form1Load = BarTest;

TEST_F(Form1Load, GrowsOpenAndWritesTheDaysAndTheNextMatch) {
    test.clock.set({{2006, 6, 7}, 23, 59, 59});
    Form1& bar = load();
    EXPECT_EQ(caption(bar, "NextMatch"), "Germany Vs Costa Rica");
    EXPECT_EQ(test.windowEffects.keptOnTop, std::vector<QWidget*>{&bar});
    EXPECT_TRUE(bar.isVisible() && timer(bar, "Opener").isActive() &&
                timer(bar, "Timer1").isActive() && timer(bar, "Timer3").isActive());
    EXPECT_EQ(bar.twipsGeometry().width + bar.twipsGeometry().height, 20) << "from 10 by 10";
    bar.Timer1_Timer();
    EXPECT_EQ(caption(bar, "CountdownDisplay"), "2 Days left until 09/06/06");
    EXPECT_EQ(timer(bar, "Timer1").interval(), 10000);
}

TEST_F(Form1Load, ASecondCopyEndsWithoutTouchingAnything) {
    test.instance.another = true;
    test.files.contents["/app/desktop.ini"] = ""; // the first copy made it
    test.program.start();
    ASSERT_TRUE(test.program.ended() && test.program.loadedForm1());
    Form1& bar = *test.program.loadedForm1();
    EXPECT_FALSE(bar.isVisible() || timer(bar, "Timer1").isActive() ||
                 timer(bar, "Timer3").isActive());
    EXPECT_EQ(test.files.writes, 0);
    bar.setTwipsGeometry({0, 0, 100, 100});
    QCoreApplication::processEvents();
    EXPECT_FALSE(timer(bar, "Timer3").isActive()) << "nothing wakes it";
}

using SearchBox = BarTest;

TEST_F(SearchBox, TheBoxTakesTheFocusOnAClickAndHandsTheTeamToThePanel) {
    Form1& bar = load("[AutoComplete No]");
    activate(other);
    QTest::mouseClick(child(bar, "ExpandButton"), Qt::LeftButton);
    EXPECT_TRUE(other.isActiveWindow()) << "the view switch takes no focus";
    EXPECT_EQ(dateSearch()->text(), "Search for a team...");
    EXPECT_TRUE(child(bar, "CountdownDisplay")->isHidden() && child(bar, "NextMatch")->isHidden());
    for (const char* typed : {"", "GERMANY"}) { // the second search works as the first
        activate(bar);
        QTest::mouseClick(dateSearch(), Qt::LeftButton);
        EXPECT_EQ(dateSearch()->text(), "");
        QTest::keyClicks(dateSearch(), typed);
        activate(other); // switching programs keeps the typed text
        activate(bar);
        EXPECT_EQ(dateSearch()->text(), typed);
        EXPECT_EQ(child(bar, "SearchButton")->isHidden(), *typed == '\0');
        QTest::keyClick(dateSearch(), Qt::Key_Return);
        EXPECT_TRUE(dateSearch()->isHidden() && !child(bar, "NextMatch")->isHidden());
        EXPECT_EQ(test.program.loadedForm2() != nullptr, *typed != '\0');
        QTest::mouseClick(child(bar, "ExpandButton"), Qt::LeftButton);
    }
    // Back in the search view the panel goes at once.
    EXPECT_EQ(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(caption(openPanel(bar, "GERMANY"), "TeamName"), "Germany");
    EXPECT_TRUE(child(bar, "SearchButton")->isHidden() &&
                timer(bar, "TimerSuggestClose").isActive());
}

TEST_F(SearchBox, KeysOfferOrCompleteATeamAndSlideTheStrip) {
    Form1& bar = load();
    tick("Opener", &Form1::Opener_Timer);
    bar.ExpandButton_Click();
    dateSearch()->setText("i");
    EXPECT_EQ(caption(bar, "Suggest"), "Did you mean Iran?");
    tick("TimerSuggestOpen", &Form1::TimerSuggestOpen_Timer);
    EXPECT_EQ(bar.twipsGeometry().height, 705) << "the strip opens downwards";
    dateSearch()->setText("b"); // a plain completion leaves the strip
    EXPECT_EQ(dateSearch()->text(), "Brazil");
    EXPECT_FALSE(child(bar, "SearchButton")->isHidden() ||
                 timer(bar, "TimerSuggestClose").isActive());
    dateSearch()->setText("");
    EXPECT_TRUE(child(bar, "SearchButton")->isHidden());
    QTest::mouseClick(child(bar, "Suggest"), Qt::LeftButton);
    EXPECT_EQ(dateSearch()->text(), "Iran");
    EXPECT_FALSE(child(bar, "SearchButton")->isHidden());
    bar.TimerSuggestClose_Timer();
    dateSearch()->setText("a");
    EXPECT_FALSE(timer(bar, "TimerSuggestClose").isActive()) << "an offer stops the closing";
    dateSearch()->setText("an"); // a completion shuts the strip
    EXPECT_EQ(dateSearch()->text(), "Angola");
    EXPECT_FALSE(timer(bar, "TimerSuggestOpen").isActive());
    tick("TimerSuggestClose", &Form1::TimerSuggestClose_Timer);
    EXPECT_EQ(bar.twipsGeometry().height, 450);
}

using BarBehaviour = BarTest;

TEST_F(BarBehaviour, FadesWithThePanelAndTheSettingsStripSlides) {
    Form1& bar = load();
    tick("Opener", &Form1::Opener_Timer);
    Form2& panel = openPanel(bar, "ge");
    test.windowEffects.foreground = static_cast<int>(panel.winId()); // counts as the bar
    bar.Timer3_Timer();
    EXPECT_FALSE(timer(bar, "TransTimer").isActive());
    test.windowEffects.foreground = -1;
    timer(bar, "Timer3").start(); // as the focus change does
    bar.Timer3_Timer();
    EXPECT_TRUE(timer(bar, "Timer3").isActive()) << "its next tick would act";
    timer(bar, "Timer3").stop();
    tick("TransTimer", &Form1::TransTimer_Timer);
    EXPECT_EQ(test.windowEffects.opacities[&bar].size(), 16u) << "the start applies it once";
    EXPECT_EQ(test.windowEffects.opacities[&panel], test.windowEffects.opacities[&bar]);
    EXPECT_EQ(bar.opacityLevel(), 120);
    EXPECT_TRUE(timer(bar, "Timer3").isActive()) << "at rest the focus is checked again";
    timer(bar, "Timer3").stop();
    QTest::mouseClick(child(bar, "Animated"), Qt::LeftButton);
    EXPECT_TRUE(timer(bar, "Timer3").isActive()) << "a settings flip wakes it";

    // A right click on the day counter reaches the face beneath it.
    QTest::mouseClick(child(bar, "Image1"), Qt::LeftButton);
    EXPECT_FALSE(timer(bar, "SettingsOpen").isActive());
    QTest::mouseClick(bar.windowHandle(), Qt::RightButton, {},
                      child(bar, "CountdownDisplay")->geometry().center());
    tick("SettingsOpen", &Form1::SettingsOpen_Timer);
    EXPECT_EQ(bar.twipsGeometry().width, 5580);
    QTest::mouseClick(child(bar, "CloseSettings"), Qt::LeftButton);
    bar.Image1_MouseDown(Qt::RightButton);
    EXPECT_FALSE(timer(bar, "SettingsClose").isActive()) << "starting one slide stops the other";
    bar.CloseSettings_Click();
    tick("SettingsClose", &Form1::SettingsClose_Timer);
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
    tick("Opener", &Form1::Opener_Timer);
    bar.Timer1_Timer();
    activate(other);
    // The mouse comes in over the grip and comes to rest on the counter.
    for (const QPoint at : {QPoint(1, 1), child(bar, "CountdownDisplay")->geometry().center()}) {
        QTest::mouseMove(bar.windowHandle(), at);
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 3000));
    EXPECT_EQ(QToolTip::text(), child(bar, "CountdownDisplay")->toolTip());
}
