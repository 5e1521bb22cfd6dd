#include "settings/settings_file.h"

#include "common/text_search.h"
#include "settings/toggle_captions.h"

namespace Settings {

namespace {

bool switchedOff(std::string_view text, std::string_view opening) {
    const auto key = findFrom(text, opening);
    if (!key) {
        return false;
    }
    const std::size_t start = *key + opening.size();
    const auto close = findFrom(text, "]", start);
    return close && text.substr(start, *close - start) == "No";
}

const char* yesNo(bool on) {
    return on ? "Yes]" : "No]";
}

} // namespace

Toggles readSettingsText(std::string_view text) {
    return {!switchedOff(text, "[AutoLoad "), !switchedOff(text, "[Animated "),
            !switchedOff(text, "[AutoComplete ")};
}

std::string settingsText(const Toggles& toggles) {
    return std::string("[AutoLoad ") + yesNo(toggles.autoLoad) + "\r\n[Animated " +
           yesNo(toggles.animated) + "\r\n[AutoComplete " + yesNo(toggles.autoComplete);
}

Toggles togglesFromCaptions(std::string_view autoLoad, std::string_view animated,
                            std::string_view autoComplete) {
    return {autoLoad != autoLoadOff, animated != animatedOff, autoComplete != autoCompleteOff};
}

ToggleCaptions captionsFor(const Toggles& toggles) {
    return {toggles.autoLoad ? autoLoadOn : autoLoadOff,
            toggles.animated ? animatedOn : animatedOff,
            toggles.autoComplete ? autoCompleteOn : autoCompleteOff};
}

} // namespace Settings
