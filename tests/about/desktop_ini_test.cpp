#include "about/desktop_ini.h"

#include <gtest/gtest.h>

TEST(DesktopIni, SixLinesEndedByCrLfWithTheirOwnSpacing) {
    EXPECT_EQ(desktopIniText("kickoff-clock"), "[.ShellClassInfo]\r\n"
                                               "ConfirmFileOp = 0\r\n"
                                               "NoSharing = 0\r\n"
                                               "IconFile= kickoff-clock.exe\r\n"
                                               "IconIndex = 0\r\n"
                                               "InfoTip=Kickoff Clock - Glimmerwick Studios\r\n");
}
