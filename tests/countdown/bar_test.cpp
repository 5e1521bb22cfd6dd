#include "bar_fixture.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

#include <QToolTip>

using Form1Load = BarTest;

TEST_F(Form1Load, GrowsOpenNearTheTopRightCornerAndCountsTheDays) {
    test.clock.set({{2006, 6, 7}, 23, 59, 59});
    Form1& bar = load();
    const int left = bar.screenWidthTwips() - 3790;
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{left, 0, 10, 10}));
    EXPECT_EQ(test.windowEffects.keptOnTop, std::vector<QWidget*>{&bar});
    EXPECT_EQ(bar.NextMatch->caption(), "Germany Vs Costa Rica");
    EXPECT_TRUE(bar.isVisible() && bar.Timer1.isActive() && bar.Timer3.isActive());
    tick(bar.Opener, &Form1::Opener_Timer);
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{left, 0, 2790, 450}));
    bar.Timer1_Timer();
    EXPECT_EQ(bar.CountdownDisplay->caption(), "2 Days left until 09/06/06");
    EXPECT_EQ(bar.CountdownDisplay->toolTip(),
              "There are 2 days left until the start of the 2006 World Cup.");
    EXPECT_EQ(bar.Timer1.interval(), 10000);
}

TEST_F(Form1Load, WithoutAnimationTheFullBarShowsAtOnce) {
    Form1& bar = load("[AutoLoad Yes]\r\n[Animated No]\r\n[AutoComplete Yes]");
    EXPECT_EQ(bar.Animated->caption(), "Animated? No");
    EXPECT_EQ(bar.twipsGeometry().width, 2790);
    EXPECT_FALSE(bar.Opener.isActive());
}

TEST_F(Form1Load, ASecondCopyEndsWithoutTouchingAnything) {
    test.instance.another = true;
    test.files.contents["/app/desktop.ini"] = ""; // the first copy made it
    test.files.contents["/app/settings.dsl"] = "[Animated No]";
    test.program.start();
    ASSERT_TRUE(test.program.ended() && test.program.loadedForm1());
    Form1& bar = *test.program.loadedForm1();
    EXPECT_FALSE(bar.isVisible() || bar.Timer1.isActive() || bar.Timer3.isActive());
    EXPECT_EQ(bar.Animated->caption(), "Animated? Yes") << "settings not even read";
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
        EXPECT_EQ(bar.SearchButton->isHidden(), *typed == '\0');
        QTest::keyClick(bar.DateSearch, Qt::Key_Return);
        EXPECT_TRUE(bar.DateSearch->isHidden() && !bar.NextMatch->isHidden());
        QTest::mouseClick(bar.ExpandButton, Qt::LeftButton);
    }
    // The typed team went to the panel; back in the search view it goes at once.
    EXPECT_EQ(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(bar.Form2Vis, 0);
    EXPECT_EQ(openPanel(bar, "GERMANY").TeamName->caption(), "Germany");
    EXPECT_EQ(bar.Form2Vis, 1);
    EXPECT_TRUE(bar.SearchButton->isHidden() && bar.TimerSuggestClose.isActive());
}

TEST_F(SearchBox, KeysOfferOrCompleteATeamAndSlideTheStrip) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    bar.ExpandButton_Click();
    bar.DateSearch->setText("i");
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Iran?");
    EXPECT_EQ(tick(bar.TimerSuggestOpen, &Form1::TimerSuggestOpen_Timer), 14);
    EXPECT_EQ(bar.twipsGeometry().height, 705) << "the strip opens downwards";
    bar.DateSearch->setText("b"); // a plain completion leaves the strip
    EXPECT_EQ(bar.DateSearch->text(), "Brazil");
    EXPECT_FALSE(bar.SearchButton->isHidden() || bar.TimerSuggestClose.isActive());
    QTest::mouseClick(bar.Suggest, Qt::LeftButton);
    EXPECT_EQ(bar.DateSearch->text(), "Iran");
    EXPECT_EQ(tick(bar.TimerSuggestClose, &Form1::TimerSuggestClose_Timer), 14);
    EXPECT_EQ(bar.twipsGeometry().height, 450);
    bar.DateSearch->setText("");
    EXPECT_TRUE(bar.SearchButton->isHidden());
    bar.DateSearch->setText("a");
    bar.DateSearch->setText("an"); // a completion shuts the strip
    EXPECT_EQ(bar.DateSearch->text(), "Angola");
    EXPECT_FALSE(bar.TimerSuggestOpen.isActive() || bar.SearchButton->isHidden());
    EXPECT_TRUE(bar.TimerSuggestClose.isActive());
    QTest::mouseClick(bar.AutoComplete, Qt::LeftButton);
    bar.DateSearch->setText("an");
    EXPECT_EQ(bar.DateSearch->text(), "an") << "the toggle is off";
}

TEST_F(SearchBox, FocusEventsFromSwitchingProgramsKeepTheTypedText) {
    Form1& bar = load("[AutoComplete No]");
    bar.ExpandButton_Click();
    const auto send = [&](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(bar.DateSearch, &event);
    };
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    bar.DateSearch->setText("iran");
    send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(bar.DateSearch->text(), "iran");
    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    EXPECT_EQ(bar.DateSearch->styleSheet(), "QLineEdit { color: #C0C0C0; }");
    // Hiding the focused box counts as losing the focus.
    send(QEvent::FocusIn, Qt::MouseFocusReason);
    bar.DateSearch->setText("iran");
    bar.ExpandButton_Click();
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
}

using BarBehaviour = BarTest;

TEST_F(BarBehaviour, FadesWithThePanelAndTheSettingsStripSlides) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    test.windowEffects.foreground = 0; // no window at all: no panel's handle either
    bar.Timer3_Timer();
    Form2& panel = openPanel(bar, "ge");
    test.windowEffects.foreground = bar.FormTwoHWND;
    bar.Timer3_Timer();
    EXPECT_FALSE(bar.TransTimer.isActive());
    test.windowEffects.foreground = -1;
    bar.Timer3.start(); // as the focus change does
    bar.Timer3_Timer();
    EXPECT_TRUE(bar.Timer3.isActive()) << "its next tick would act";
    bar.Timer3.stop();
    tick(bar.TransTimer, &Form1::TransTimer_Timer);
    EXPECT_EQ(test.windowEffects.opacitiesOf(&bar).size(), 16u) << "the start applies it once";
    EXPECT_EQ(test.windowEffects.opacitiesOf(&panel), test.windowEffects.opacitiesOf(&bar));
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
    EXPECT_EQ(tick(bar.SettingsOpen, &Form1::SettingsOpen_Timer), 1) << "animation is off";
    EXPECT_EQ(bar.twipsGeometry().width, 5580);
    QTest::mouseClick(bar.AutoLoad, Qt::LeftButton);
    QTest::mouseClick(bar.AutoLoad, Qt::RightButton);
    EXPECT_EQ(bar.AutoLoad->caption(), "Auto Load? No");
    EXPECT_EQ(test.files.writes, 0) << "saved only at unload";
    QTest::mouseClick(bar.CloseSettings, Qt::LeftButton);
    bar.Image1_MouseDown(Qt::RightButton);
    EXPECT_FALSE(bar.SettingsClose.isActive()) << "starting one slide stops the other";
    bar.CloseSettings_Click();
    EXPECT_FALSE(bar.SettingsOpen.isActive());
    tick(bar.SettingsClose, &Form1::SettingsClose_Timer);
    EXPECT_EQ(bar.twipsGeometry().width, 2790);
}

TEST_F(BarBehaviour, KeepsInsideTheScreenAndFollowsTheMouseWhenTheSystemWontDrag) {
    Form1& bar = load();
    tick(bar.Opener, &Form1::Opener_Timer);
    tick(bar.Timer3, &Form1::Timer3_Timer);
    EXPECT_EQ(bar.twipsGeometry().top, 20) << "crept down from the top edge, then rests";
    bar.setTwipsGeometry({bar.screenWidthTwips() - 2740, 900, 2790, 450});
    QCoreApplication::processEvents();
    EXPECT_EQ(tick(bar.Timer3, &Form1::Timer3_Timer), 3) << "a move wakes it";
    EXPECT_EQ(bar.twipsGeometry().left, bar.screenWidthTwips() - 2800);

    Form2& panel = openPanel(bar, "ge");
    bar.Draggable_MouseMove(Qt::LeftButton | Qt::RightButton, {3, 3});
    EXPECT_EQ(test.windowEffects.systemMoves, 0) << "asked on the left button alone";
    test.windowEffects.systemMoveWorks = false;
    bar.setTwipsGeometry({3000, 3000, 2790, 450});
    bar.Draggable_MouseMove(Qt::LeftButton, {5, 5});
    bar.Draggable_MouseMove(Qt::LeftButton, {15, 205});
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{3150, 6000, 2790, 450}));
    EXPECT_EQ(panel.twipsGeometry().top, 6450) << "below the bar";
    bar.Draggable_MouseUp();
    bar.Draggable_MouseMove(Qt::LeftButton, {50, 50});
    EXPECT_EQ(bar.twipsGeometry().top, 6000) << "a new drag asks the system first";
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
