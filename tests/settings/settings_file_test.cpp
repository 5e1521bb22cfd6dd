#include "settings/autostart_entry.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

using Settings::Toggles;

TEST(SettingsFile, GarbledFilesLeaveSettingsOn) {
    const std::pair<std::string, Toggles> cases[] = {
        {"[Animated no]", {}}, // only "No" switches off
        {"[Animated NO]\r\n[AutoComplete No", {}},
        {"[AutoComplete No ]", {}},
        {std::string("\0\xff[AutoLoad\x01No]\0", 14), {}},
        {std::string("\0[Animated No]\0", 15), {true, false, true}},
        // Any order, and the first occurrence of a key counts.
        {"[AutoComplete No][AutoLoad No][AutoLoad Yes]", {false, true, false}},
        // The value ends at the next "]" even when it lies in a later line.
        {"[AutoLoad \r\n[Animated No]", {true, false, true}},
    };
    for (const auto& [text, toggles] : cases) {
        EXPECT_EQ(Settings::readSettingsText(text), toggles) << text;
    }
}

TEST(AutoStartEntry, RunsTheExecutableByItsFullPath) {
    // Blanks are quoted; the desktop's own characters are escaped.
    EXPECT_NE(Settings::autoStartEntry("/home/a b/$x\"100%\"")
                  .find("\nExec=\"/home/a b/\\\\$x\\\\\"100%%\\\\\"\"\n"),
              std::string::npos);
}
