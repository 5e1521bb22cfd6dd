#include "app/form3.h"
#include "countdown/bar_fixture.h"
#include "widgets/button_label.h"
#include "widgets/hot_area.h"

// The close saves the flipped toggle and sets or clears the autostart entry
// to match. What the user had is never lost: a reminder store that was read
// or missing is written as it is now; one that cannot be read is not written over.
TEST(SettingsAtLoadAndClose, CloseSavesTheTogglesTheAutostartAndTheReminders) {
    const std::string stored = ";10/06/2006|21:00|England|Paraguay|b\r\n";
    const std::string added = ";09/06/2006|18:00|Costa rica|Germany|a\r\n";
    const struct {
        bool autoLoad;
        char store; // read, missing or unreadable
        std::string written;
    } cases[] = {{false, 'r', stored + added}, {true, 'm', added}, {false, 'u', "none"}};
    for (const auto& c : cases) {
        TestProgram test;
        test.files.contents["/app/settings.dsl"] =
            std::string(c.autoLoad ? "" : "[AutoLoad No]") + "[Animated No]";
        if (c.store == 'r') {
            test.files.contents["/app/RemindMe.dsl"] = stored;
        } else if (c.store == 'u') {
            test.files.unreadable.insert("/app/RemindMe.dsl");
        }
        test.program.start();
        Form1& bar = *test.program.loadedForm1();
        QTest::mouseClick(bar.AutoLoad, Qt::LeftButton);
        test.program.loadedForm3()->Reminders += added;
        QTest::mouseClick(bar.CloseButton, Qt::LeftButton);
        EXPECT_EQ(test.files.contents["/app/settings.dsl"],
                  std::string("[AutoLoad ") + (c.autoLoad ? "No" : "Yes") +
                      "]\r\n[Animated No]\r\n[AutoComplete Yes]");
        EXPECT_EQ(test.autoStart.calls, std::vector<std::string>{c.autoLoad ? "clear" : "set"});
        const auto found = test.files.contents.find("/app/RemindMe.dsl");
        EXPECT_EQ(found == test.files.contents.end() ? "none" : found->second, c.written);
        EXPECT_TRUE(test.program.ended());
    }
}
