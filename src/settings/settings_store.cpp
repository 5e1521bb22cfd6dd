#include "settings/settings_store.h"

#include "app/form3.h"
#include "app/program.h"
#include "common/program_path.h"
#include "countdown/form1.h"
#include "platform/auto_start.h"
#include "platform/files.h"
#include "settings/settings_file.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"

namespace Settings {

namespace {

std::string settingsPath(Program& program) {
    return programFilePath(program.services().files.programFolder(), fileName);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void LoadSettings(Program& program, Form1& bar) {
    const std::string text = program.services().files.read(settingsPath(program)).value_or("");
    if (Form3* controller = program.loadedForm3()) {
        controller->Settings = text;
    }
    const ToggleCaptions captions = captionsFor(readSettingsText(text));
    bar.AutoLoad->setCaption(toQString(captions.autoLoad));
    bar.Animated->setCaption(toQString(captions.animated));
    bar.AutoComplete->setCaption(toQString(captions.autoComplete));
}

void SaveSettings(Program& program, Form1& bar) {
    const Toggles toggles = togglesFromCaptions(bar.AutoLoad->caption().toStdString(),
                                                bar.Animated->caption().toStdString(),
                                                bar.AutoComplete->caption().toStdString());
    Services& services = program.services();
    if (toggles.autoLoad) {
        services.autoStart.set();
    } else {
        services.autoStart.clear();
    }
    const std::string text = settingsText(toggles);
    if (Form3* controller = program.loadedForm3()) {
        controller->Settings = text;
    }
    services.files.write(settingsPath(program), text);
}

} // namespace Settings
