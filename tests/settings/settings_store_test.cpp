#include "app/form3.h"
#include "countdown/bar_fixture.h"
#include "reminders/reminder_store_ui.h"

using SettingsAtLoadAndClose = BarTest;

TEST_F(SettingsAtLoadAndClose, CloseSetsAutostartAndWritesWhatWasLoaded) {
    test.files.contents["/app/settings.dsl"] = "[AutoLoad No]\r\n[Animated No]";
    test.files.contents["/app/RemindMe.dsl"] = ";10/06/2006|21:00|England|Paraguay|b\r\n";
    test.program.start();
    Form1& bar = *test.program.loadedForm1();
    QTest::mouseClick(child(bar, "AutoLoad"), Qt::LeftButton);
    test.program.saveSession(); // a logout's save request: the same files; the program runs on
    EXPECT_FALSE(test.program.ended());
    bar.CloseButton_Click();
    EXPECT_EQ(test.files.contents["/app/settings.dsl"],
              "[AutoLoad Yes]\r\n[Animated No]\r\n[AutoComplete Yes]");
    EXPECT_EQ(test.autoStart.calls, (std::vector<std::string>{"set", "set"}));
    EXPECT_EQ(test.files.contents["/app/RemindMe.dsl"], ";10/06/2006|21:00|England|Paraguay|b\r\n");
    EXPECT_TRUE(test.program.ended());
}

// What the user had is never lost: a store that cannot be read is not written
// over; once there is a reminder to save, it is moved aside to a free name
// and the new store is written. A missing store is written empty.
TEST(ReminderStore, IsWrittenAtTheEndOnlyWhenItWasReadOrMissing) {
    const std::string reminder = ";10/06/2006|21:00|England|Paraguay|b\r\n";
    for (auto [unreadable, added] : {std::pair{false, false}, {true, false}, {true, true}}) {
        TestProgram test;
        test.files.contents["/app/desktop.ini"] = "";
        test.files.unreadable = {"/app/RemindMe.dsl.unreadable"}; // an earlier one
        if (unreadable) {
            test.files.unreadable.insert("/app/RemindMe.dsl");
        }
        test.program.start();
        std::string panelText = added ? "10/06/2006\r\n21:00|England|Paraguay (group b)" : "";
        test.program.reminderStore().AddReminder(panelText); // an empty text adds nothing
        test.program.loadedForm3()->Form_Unload();           // as the tray menu's Exit
        const auto stored = test.files.contents.find("/app/RemindMe.dsl");
        const std::string want = added ? reminder : unreadable ? "none" : "";
        EXPECT_EQ(stored == test.files.contents.end() ? "none" : stored->second, want);
        EXPECT_EQ(test.files.unreadable.count("/app/RemindMe.dsl.unreadable.2"), added ? 1 : 0);
    }
}
