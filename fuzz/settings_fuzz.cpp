// settings.dsl of any bytes: what the program reads, it writes back in its
// own form, that form reads back the same, and a file it wrote keeps its
// settings whatever follows it.
#include "fuzz_check.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = inputText(data, size);
    const Settings::Toggles read = Settings::readSettingsText(text);
    check(Settings::readSettingsText(Settings::settingsText(read)) == read);
    const unsigned bits = size > 0 ? data[0] : 0;
    const Settings::Toggles chosen{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
    check(Settings::readSettingsText(Settings::settingsText(chosen) + std::string(text)) == chosen);
    return 0;
}
