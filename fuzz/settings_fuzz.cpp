// settings.dsl of any bytes: what the program reads, it writes back in its
// own form, that form reads back the same, and a file it wrote keeps its
// settings whatever follows it.
#include "settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Settings::Toggles read = Settings::readSettingsText(text);
    if (Settings::readSettingsText(Settings::settingsText(read)) != read) {
        std::abort();
    }
    const unsigned bits = size > 0 ? data[0] : 0;
    const Settings::Toggles chosen{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
    if (Settings::readSettingsText(Settings::settingsText(chosen) + std::string(text)) != chosen) {
        std::abort();
    }
    return 0;
}
