#pragma once

#include <string>
#include <string_view>

// settings.dsl: three lines "[AutoLoad Yes]", "[Animated Yes]",
// "[AutoComplete Yes]" (or "No"), CR LF between them and none after the last.
namespace Settings {

inline constexpr std::string_view fileName = "settings.dsl";

// Every setting is on unless something says exactly "No".
struct Toggles {
    bool autoLoad = true;
    bool animated = true;
    bool autoComplete = true;

    bool operator==(const Toggles&) const = default;
};

// Each key's value runs from after "[Key " to the next "]"; a missing key or
// a missing "]" leaves the setting on, and only "No" (in that case) turns it off.
Toggles readSettingsText(std::string_view text);

std::string settingsText(const Toggles& toggles);

// The toggles as the captions show them: a setting is off only when its label
// shows exactly the off caption.
Toggles togglesFromCaptions(std::string_view autoLoad, std::string_view animated,
                            std::string_view autoComplete);

struct ToggleCaptions {
    std::string_view autoLoad;
    std::string_view animated;
    std::string_view autoComplete;
};
ToggleCaptions captionsFor(const Toggles& toggles);

} // namespace Settings
