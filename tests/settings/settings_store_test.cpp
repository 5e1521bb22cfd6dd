#include "app/form3.h"
#include "countdown/bar_fixture.h"

const std::string englandParaguay = ";10/06/2006|21:00|England|Paraguay|b\r\n";

// The close (and a logout's save request before it) saves the flipped toggle
// and sets or clears the autostart entry to match; a reminder store that was
// read or missing is written as it is now.
TEST(SettingsAtLoadAndClose, CloseSavesTheTogglesTheAutostartAndTheReminders) {
    const std::string added = ";09/06/2006|18:00|Costa rica|Germany|a\r\n";
    const struct {
        bool autoLoad;
        bool storeRead; // or missing
        std::string written;
    } cases[] = {{false, true, englandParaguay + added}, {true, false, added}};
    for (const auto& c : cases) {
        TestProgram test;
        test.files.contents["/app/settings.dsl"] =
            std::string(c.autoLoad ? "" : "[AutoLoad No]") + "[Animated No]";
        if (c.storeRead) {
            test.files.contents["/app/RemindMe.dsl"] = englandParaguay;
        }
        test.program.start();
        Form1& bar = *test.program.loadedForm1();
        QTest::mouseClick(child(bar, "AutoLoad"), Qt::LeftButton);
        test.addReminder("09/06/2006\r\n18:00|Costa rica|Germany (group a)");
        test.program.saveSession(); // the same files; the program runs on
        EXPECT_FALSE(test.program.ended());
        QTest::mouseClick(child(bar, "CloseButton"), Qt::LeftButton);
        EXPECT_EQ(test.files.contents["/app/settings.dsl"],
                  std::string("[AutoLoad ") + (c.autoLoad ? "No" : "Yes") +
                      "]\r\n[Animated No]\r\n[AutoComplete Yes]");
        const std::string autoStart = c.autoLoad ? "clear" : "set";
        EXPECT_EQ(test.autoStart.calls, (std::vector<std::string>{autoStart, autoStart}));
        EXPECT_EQ(test.files.read("/app/RemindMe.dsl").value_or("none"), c.written);
        EXPECT_TRUE(test.program.ended());
    }
}

// What the user had is never lost: a store that cannot be read is not written
// over; once there is a reminder to save, it is moved aside to a free name
// and the new store is written. A missing store is written empty.
TEST(ReminderStore, IsWrittenAtTheEndOnlyWhenItWasReadOrMissing) {
    for (auto [unreadable, added] : {std::pair{false, false}, {true, false}, {true, true}}) {
        TestProgram test;
        test.files.contents["/app/desktop.ini"] = "";
        test.files.unreadable = {"/app/RemindMe.dsl.unreadable"}; // an earlier one
        if (unreadable) {
            test.files.unreadable.insert("/app/RemindMe.dsl");
        }
        test.program.start();
        // An empty text adds nothing.
        test.addReminder(added ? "10/06/2006\r\n21:00|England|Paraguay (group b)" : "");
        test.program.loadedForm3()->Form_Unload(); // as the tray menu's Exit
        const std::string want = added ? englandParaguay : unreadable ? "none" : "";
        EXPECT_EQ(test.files.read("/app/RemindMe.dsl").value_or("none"), want);
        EXPECT_EQ(test.files.unreadable.count("/app/RemindMe.dsl.unreadable.2"), added ? 1 : 0);
    }
}
