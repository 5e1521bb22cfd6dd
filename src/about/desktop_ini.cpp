#include "about/desktop_ini.h"

std::string desktopIniText(std::string_view executableBaseName) {
    // The spacing around "=" differs from line to line on purpose.
    std::string text = "[.ShellClassInfo]\r\n"
                       "ConfirmFileOp = 0\r\n"
                       "NoSharing = 0\r\n"
                       "IconFile= ";
    text += executableBaseName;
    text += ".exe\r\n"
            "IconIndex = 0\r\n"
            "InfoTip=Kickoff Clock - Glimmerwick Studios\r\n";
    return text;
}
