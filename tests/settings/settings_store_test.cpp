#include "app/form3.h"
#include "countdown/bar_fixture.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"

using SettingsAtLoadAndClose = BarTest;

TEST_F(SettingsAtLoadAndClose, CloseSavesAllOffAndClearsAutostart) {
    test.autoStart.entry = true;
    test.program.start();
    Form1& bar = *test.program.loadedForm1();
    QTest::mousePress(bar.Image1, Qt::RightButton);
    for (CaptionLabel* toggle : {bar.AutoLoad, bar.Animated, bar.AutoComplete}) {
        QTest::mouseClick(toggle, Qt::LeftButton);
    }
    QTest::mouseClick(bar.CloseButton, Qt::LeftButton);

    EXPECT_EQ(test.files.contents["/app/settings.dsl"],
              "[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]");
    EXPECT_EQ(test.autoStart.calls, std::vector<std::string>{"clear"});
    EXPECT_EQ(test.files.contents.at("/app/RemindMe.dsl"), "") << "a missing store starts empty";
    EXPECT_TRUE(test.program.ended());
}

TEST_F(SettingsAtLoadAndClose, CloseSetsAutostartAndWritesALoadedReminderStore) {
    test.files.contents["/app/settings.dsl"] = "[AutoLoad No]\r\n[Animated No]";
    test.program.start();
    Form3& controller = *test.program.loadedForm3();
    EXPECT_EQ(controller.Settings, "[AutoLoad No]\r\n[Animated No]");
    controller.Reminders = ";10/06/2006|21:00|England|Paraguay|b\r\n";
    Form1& bar = *test.program.loadedForm1();
    bar.ExpandButton_Click();
    bar.DateSearch->setText("en");
    bar.ExpandButton_Click();
    ASSERT_NE(test.program.loadedForm2(), nullptr);
    QTest::mouseClick(bar.AutoLoad, Qt::LeftButton);

    bar.CloseButton_Click();
    EXPECT_EQ(test.files.contents["/app/settings.dsl"],
              "[AutoLoad Yes]\r\n[Animated No]\r\n[AutoComplete Yes]");
    EXPECT_EQ(test.autoStart.calls, std::vector<std::string>{"set"});
    EXPECT_EQ(test.files.contents["/app/RemindMe.dsl"], controller.Reminders);
    EXPECT_EQ(test.program.loadedForm2(), nullptr);
    EXPECT_EQ(bar.FormTwoHWND, 0);
    EXPECT_TRUE(test.program.ended());
}

TEST_F(SettingsAtLoadAndClose, AFailedWriteStillSetsAutostartAndEnds) {
    test.files.failWrites = true;
    Form1& bar = load();
    bar.CloseButton_Click();
    EXPECT_EQ(test.autoStart.calls, std::vector<std::string>{"set"});
    EXPECT_TRUE(test.program.ended());
}
