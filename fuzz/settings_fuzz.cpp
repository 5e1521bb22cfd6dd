// settings.dsl of any bytes: what the program reads, it writes back in its
// own form, that form reads back the same, and a file it wrote keeps its
// settings whatever follows it.
#include "fuzz_check.h"
#include "settings/settings_file.h"

void fuzzText(std::string_view text) {
    const Settings::Toggles read = Settings::readSettingsText(text);
    check(Settings::readSettingsText(Settings::settingsText(read)) == read);
    const unsigned bits = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    const Settings::Toggles chosen{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
    check(Settings::readSettingsText(Settings::settingsText(chosen) + std::string(text)) == chosen);
}
