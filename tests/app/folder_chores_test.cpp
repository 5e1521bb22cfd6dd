#include "build_config.h"
#include "countdown/form1.h"
#include "fakes/test_program.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string fixesPage = std::string(BuildConfig::siteUrl) + "/Fixes.html";
const std::string desktopIni = "[.ShellClassInfo]\r\nConfirmFileOp = 0\r\nNoSharing = 0\r\n"
                               "IconFile= kickoff-clock.exe\r\nIconIndex = 0\r\n"
                               "InfoTip=Kickoff Clock - Glimmerwick Studios\r\n";

} // namespace

TEST(FolderChores, ALeftOverSetupScriptRunsOnceBeforeTheFixesPage) {
    TestProgram test;
    test.files.contents["/app/setup.bat"] = "echo fixed\n";
    test.program.start();
    EXPECT_EQ(test.shell.opened, (std::vector<std::string>{"/app/setup.bat", fixesPage}));
    EXPECT_FALSE(test.files.exists("/app/setup.bat"));
    EXPECT_TRUE(test.program.loadedForm1()->isVisible());

    TestProgram next; // the next start finds no script
    next.program.start();
    EXPECT_TRUE(next.shell.opened.empty());
}

TEST(FolderChores, AFreshFolderGetsItsHiddenDesktopIni) {
    TestProgram test;
    test.program.start();
    EXPECT_EQ(test.files.contents["/app/desktop.ini"], desktopIni);
    EXPECT_TRUE(test.files.hidden["/app/desktop.ini"]);
    EXPECT_TRUE(test.shell.opened.empty());
}

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
    EXPECT_EQ(test.shell.opened.front(), "/setup.bat");
    EXPECT_FALSE(test.files.exists("/setup.bat"));
    EXPECT_NE(test.files.contents["/desktop.ini"].find("IconFile= kc.exe\r\n"), std::string::npos);
}

TEST(FolderChores, AnUnwritableFolderStillStarts) {
    TestProgram test;
    test.files.failWrites = true;
    test.program.start();
    EXPECT_FALSE(test.files.exists("/app/desktop.ini"));
    EXPECT_TRUE(test.program.loadedForm1()->isVisible());
}
