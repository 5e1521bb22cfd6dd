#include "bar_fixture.h"
#include "team/form2.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

namespace {

bool shown(const QWidget* element) {
    return !element->isHidden();
}

} // namespace

using SearchBox = BarTest;

TEST_F(SearchBox, ExpandSwitchesViewsAndHandsTheTextAsTypedToThePanel) {
    Form1& bar = loadOpen("[AutoComplete No]");
    activateOther();
    QTest::mouseClick(bar.ExpandButton, Qt::LeftButton);
    EXPECT_TRUE(other.isActiveWindow()) << "the view switch takes no focus";
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    clickIntoBox(bar);
    EXPECT_TRUE(shown(bar.DateSearch));
    EXPECT_FALSE(shown(bar.CountdownDisplay) || shown(bar.NextMatch));
    EXPECT_EQ(bar.DateSearch->text(), "");
    // Enter with no team named goes back to the countdown view.
    QTest::keyClick(bar.DateSearch, Qt::Key_Return);
    EXPECT_FALSE(shown(bar.DateSearch));
    EXPECT_TRUE(shown(bar.CountdownDisplay) && shown(bar.NextMatch));
    EXPECT_TRUE(bar.TimerSuggestClose.isActive());

    startSearch(bar);
    type(bar, "GERMANY");
    EXPECT_TRUE(shown(bar.SearchButton));
    bar.DateSearch->setText("germany ");
    EXPECT_FALSE(shown(bar.SearchButton)) << "no trimming";
    bar.DateSearch->setText("GERMANY");
    QTest::keyClick(bar.DateSearch, Qt::Key_Enter);
    Form2* panel = test.program.loadedForm2();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(panel->TeamName->caption().startsWith("germany", Qt::CaseInsensitive));
    EXPECT_EQ(bar.Form2Vis, 1);
    EXPECT_FALSE(shown(bar.DateSearch) || shown(bar.SearchButton));
    EXPECT_TRUE(shown(bar.CountdownDisplay));

    // Back to the search view: the panel goes at once.
    bar.ExpandButton_Click();
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    EXPECT_EQ(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(bar.Form2Vis, 0);
    EXPECT_EQ(bar.FormTwoHWND, 0);
}

TEST_F(SearchBox, KeysOfferCompleteOrChangeNothing) {
    Form1& bar = loadOpen();
    startSearch(bar);
    type(bar, "a");
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Angola?");
    EXPECT_TRUE(bar.TimerSuggestOpen.isActive());
    EXPECT_FALSE(shown(bar.SearchButton));
    bar.TimerSuggestOpen_Timer();
    EXPECT_EQ(bar.twipsGeometry().height, 470) << "the strip opens downwards";

    type(bar, "n");
    EXPECT_EQ(bar.DateSearch->text(), "Angola");
    EXPECT_TRUE(shown(bar.SearchButton));
    EXPECT_FALSE(bar.TimerSuggestOpen.isActive());
    EXPECT_EQ(tickUntilStopped(bar.TimerSuggestClose, [&] { bar.TimerSuggestClose_Timer(); }), 2);
    EXPECT_EQ(bar.twipsGeometry().height, 450);

    // "gx" after "g": the offer of Germany stays on show, opening.
    bar.DateSearch->setText("g");
    type(bar, "x");
    EXPECT_EQ(bar.DateSearch->text(), "gx");
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Germany?");
    EXPECT_TRUE(bar.TimerSuggestOpen.isActive());

    // "se" changes nothing, not even a shown SearchButton.
    bar.DateSearch->setText("k");
    EXPECT_EQ(bar.DateSearch->text(), "Korea republic");
    bar.DateSearch->setText("se");
    EXPECT_TRUE(shown(bar.SearchButton));
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Germany?");
    // Only an emptied box hides it.
    bar.DateSearch->setText("");
    EXPECT_FALSE(shown(bar.SearchButton));
}

TEST_F(SearchBox, AnOpenStripStaysForAPlainCompletionAndGoesForAClickOrEnter) {
    Form1& bar = loadOpen();
    startSearch(bar);
    type(bar, "i");
    tickUntilStopped(bar.TimerSuggestOpen, [&] { bar.TimerSuggestOpen_Timer(); });
    EXPECT_EQ(bar.twipsGeometry().height, 705);
    bar.DateSearch->setText("b");
    EXPECT_EQ(bar.DateSearch->text(), "Brazil");
    EXPECT_TRUE(shown(bar.SearchButton));
    EXPECT_FALSE(bar.TimerSuggestClose.isActive());
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Iran?");
    EXPECT_EQ(bar.twipsGeometry().height, 705);

    // Clicking the offer takes it.
    QTest::mouseClick(bar.Suggest, Qt::LeftButton);
    EXPECT_EQ(bar.DateSearch->text(), "Iran");
    EXPECT_TRUE(shown(bar.SearchButton));
    EXPECT_EQ(tickUntilStopped(bar.TimerSuggestClose, [&] { bar.TimerSuggestClose_Timer(); }), 14);
    EXPECT_EQ(bar.twipsGeometry().height, 450);

    // Enter during the opening slide turns it back.
    bar.DateSearch->setText("e");
    bar.TimerSuggestOpen_Timer();
    bar.TimerSuggestOpen_Timer();
    QTest::keyClick(bar.DateSearch, Qt::Key_Return);
    EXPECT_FALSE(bar.TimerSuggestOpen.isActive());
    EXPECT_EQ(tickUntilStopped(bar.TimerSuggestClose, [&] { bar.TimerSuggestClose_Timer(); }), 3);
    EXPECT_EQ(bar.twipsGeometry().height, 450);
}

TEST_F(SearchBox, LosingFocusWithAutoCompleteOnKeepsTheVerdict) {
    Form1& bar = loadOpen();
    startSearch(bar);
    type(bar, "ge");
    EXPECT_EQ(bar.DateSearch->text(), "Germany");
    bar.DateSearch_LostFocus();
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    EXPECT_TRUE(shown(bar.SearchButton));
    bar.ExpandButton_Click();
    ASSERT_NE(test.program.loadedForm2(), nullptr);
    EXPECT_TRUE(test.program.loadedForm2()->TeamName->caption().startsWith("search for a team...",
                                                                           Qt::CaseInsensitive));
}

TEST_F(SearchBox, TheAutoCompleteToggleGovernsTheNextChange) {
    Form1& bar = loadOpen();
    startSearch(bar);
    QTest::mouseClick(bar.AutoComplete, Qt::LeftButton);
    EXPECT_EQ(bar.AutoComplete->caption(), "Auto Complete Search? No");
    type(bar, "an");
    EXPECT_EQ(bar.DateSearch->text(), "an");
    QTest::mouseClick(bar.AutoComplete, Qt::LeftButton);
    bar.DateSearch->setText("a");
    EXPECT_EQ(bar.Suggest->caption(), "Did you mean Angola?");
}

TEST_F(SearchBox, FocusEventsFromSwitchingProgramsKeepTheTypedText) {
    Form1& bar = loadOpen("[AutoComplete No]");
    bar.ExpandButton_Click();
    const auto send = [&](QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(bar.DateSearch, &event);
    };
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(bar.DateSearch->text(), "");
    bar.DateSearch->setText("iran");
    send(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    send(QEvent::FocusOut, Qt::PopupFocusReason);
    EXPECT_EQ(bar.DateSearch->text(), "iran");
    EXPECT_TRUE(shown(bar.SearchButton));

    send(QEvent::FocusOut, Qt::MouseFocusReason);
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
    EXPECT_FALSE(shown(bar.SearchButton));
    EXPECT_EQ(bar.DateSearch->styleSheet(), "QLineEdit { color: #C0C0C0; }");

    // Hiding the focused box counts as losing the focus.
    send(QEvent::FocusIn, Qt::MouseFocusReason);
    bar.DateSearch->setText("iran");
    bar.ExpandButton_Click();
    ASSERT_NE(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(bar.DateSearch->text(), "Search for a team...");
}
