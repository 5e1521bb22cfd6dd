#include "settings/autostart_entry.h"
#include "settings/settings_file.h"
#include "settings/toggle_captions.h"

#include <gtest/gtest.h>

using Settings::Toggles;

TEST(SettingsFile, WritesThreeLinesWithCrLfBetween) {
    EXPECT_EQ(Settings::settingsText({}), "[AutoLoad Yes]\r\n[Animated Yes]\r\n[AutoComplete Yes]");
    EXPECT_EQ(Settings::settingsText({false, false, false}),
              "[AutoLoad No]\r\n[Animated No]\r\n[AutoComplete No]");
}

TEST(SettingsFile, RoundTripsEveryCombination) {
    for (int bits = 0; bits < 8; ++bits) {
        const Toggles toggles{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        EXPECT_EQ(Settings::readSettingsText(Settings::settingsText(toggles)), toggles) << bits;
        const Settings::ToggleCaptions captions = Settings::captionsFor(toggles);
        EXPECT_EQ(Settings::togglesFromCaptions(captions.autoLoad, captions.animated,
                                                captions.autoComplete),
                  toggles);
    }
}

TEST(SettingsFile, GarbledFilesLeaveSettingsOn) {
    const std::pair<std::string, Toggles> cases[] = {
        {"[AutoLoad No]", {false, true, true}},
        {"[Animated no]", {}},                     // only "No" switches off
        {"[Animated NO]\r\n[AutoComplete No", {}}, // missing ]
        {"[AutoComplete No ]", {}},
        {"", {}},
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

TEST(SettingsFile, CaptionsOtherThanTheOffCaptionMeanOn) {
    EXPECT_EQ(Settings::togglesFromCaptions("Auto Load? No", "Animated? No", "whatever"),
              (Toggles{false, false, true}));
    EXPECT_EQ(Settings::togglesFromCaptions("", "", "Auto Complete Search? No"),
              (Toggles{true, true, false}));
    EXPECT_EQ(Settings::flipped("Animated? Yes", Settings::animatedOn, Settings::animatedOff),
              "Animated? No");
    EXPECT_EQ(Settings::flipped("Animated? No", Settings::animatedOn, Settings::animatedOff),
              "Animated? Yes");
    EXPECT_EQ(Settings::flipped("odd", Settings::animatedOn, Settings::animatedOff),
              "Animated? Yes");
}

TEST(AutoStartEntry, RunsTheExecutableByItsFullPath) {
    const std::string entry = Settings::autoStartEntry("/opt/kc/kickoff-clock");
    EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=\"/opt/kc/kickoff-clock\"\n"), std::string::npos);
    // Blanks are quoted; the desktop's own characters are escaped.
    EXPECT_NE(Settings::autoStartEntry("/home/a b/$x\"100%\"")
                  .find("\nExec=\"/home/a b/\\\\$x\\\\\"100%%\\\\\"\"\n"),
              std::string::npos);
}
