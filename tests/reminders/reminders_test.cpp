#include "app/form3.h"
#include "fakes/test_program.h"

#include <gtest/gtest.h>

// What the user had is never lost: a store that cannot be read is not written
// over at the end; a missing one is, as an empty store.
TEST(ReminderStore, IsWrittenAtTheEndOnlyWhenItWasReadOrMissing) {
    const std::string path = "/app/RemindMe.dsl", line = ";10/06/2006|21:00|England|Paraguay|b\r\n";
    for (const std::string state : {"missing", "read", "unreadable"}) {
        TestProgram test;
        test.files.contents["/app/desktop.ini"] = "";
        if (state == "unreadable") {
            test.files.unreadable.insert(path);
        } else if (state == "read") {
            test.files.contents[path] = line;
        }
        test.program.start();
        test.program.loadedForm3()->Form_Unload(); // as the tray menu's Exit
        EXPECT_EQ(test.files.writes, state == "unreadable" ? 0 : 1) << state;
        EXPECT_EQ(test.files.contents.count(path) ? test.files.contents[path] : "none",
                  state == "missing" ? ""
                  : state == "read"  ? line
                                     : "none");
    }
}
