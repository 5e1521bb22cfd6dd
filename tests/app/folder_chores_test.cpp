#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"

#include <gtest/gtest.h>

#include <string>

TEST(FolderChores, ADesktopIniInAnyLetterCaseIsLeftAlone) {
    for (const std::string name : {"desktop.ini", "Desktop.ini", "DESKTOP.INI"}) {
        TestProgram test;
        test.files.contents["/app/" + name] = "mine";
        test.program.start();
        EXPECT_EQ(test.files.writes, 0) << name;
        EXPECT_EQ(test.files.contents["/app/" + name], "mine");
    }
}

TEST(FolderChores, AFolderAtTheRootGetsNoDoubleSeparator) {
    TestProgram test;
    test.files.folder = "/";
    test.files.baseName = "kc";
    test.files.contents["/setup.bat"] = "";
    test.program.start();
    // The script runs before the fixes page opens.
    EXPECT_EQ(test.shell.opened,
              (std::vector<std::string>{"/setup.bat",
                                        std::string(BuildConfig::siteUrl) + "/Fixes.html"}));
    EXPECT_FALSE(test.files.exists("/setup.bat"));
    EXPECT_NE(test.files.contents["/desktop.ini"].find("IconFile= kc.exe\r\n"), std::string::npos);
    EXPECT_TRUE(test.files.hidden["/desktop.ini"]);
}

TEST(FolderChores, AnUnwritableFolderStillStarts) {
    TestProgram test;
    test.files.failWrites = true;
    test.program.start();
    EXPECT_FALSE(test.files.exists("/app/desktop.ini"));
    EXPECT_TRUE(test.program.loadedForm1()->isVisible());
}
