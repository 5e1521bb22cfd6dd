#include "settings/settings_toggles_ui.h"

#include "common/program_path.h"
#include "platform/auto_start.h"
#include "platform/files.h"
#include "settings/settings_file.h"
#include "settings/toggle_captions.h"
#include "widgets/button_label.h"
#include "widgets/qt_text.h"

namespace {

std::string captionOf(const ButtonLabel* toggle) {
    return toggle->caption().toStdString();
}

void flip(ButtonLabel* toggle, std::string_view on, std::string_view off) {
    toggle->setCaption(toQString(Settings::flipped(captionOf(toggle), on, off)));
}

std::string settingsPath(const Files& files) {
    return programFilePath(files.programFolder(), Settings::fileName);
}

} // namespace

SettingsToggles::SettingsToggles(ButtonLabel* autoLoad, ButtonLabel* animated,
                                 ButtonLabel* autoComplete, QObject* parent)
    : QObject(parent), autoLoad_(autoLoad), animated_(animated), autoComplete_(autoComplete) {
    for (ButtonLabel* toggle : {autoLoad, animated, autoComplete}) {
        connect(toggle, &CaptionLabel::captionChanged, this, &SettingsToggles::changed);
    }
}

bool SettingsToggles::animated() const {
    return captionOf(animated_) != Settings::animatedOff;
}

bool SettingsToggles::autoComplete() const {
    return captionOf(autoComplete_) == Settings::autoCompleteOn;
}

void SettingsToggles::flipAutoLoad() {
    flip(autoLoad_, Settings::autoLoadOn, Settings::autoLoadOff);
}

void SettingsToggles::flipAnimated() {
    flip(animated_, Settings::animatedOn, Settings::animatedOff);
}

void SettingsToggles::flipAutoComplete() {
    flip(autoComplete_, Settings::autoCompleteOn, Settings::autoCompleteOff);
}

void SettingsToggles::LoadSettings(const Files& files, std::string* holder) {
    std::string alone;
    std::string& text = holder ? *holder : alone;
    text = files.read(settingsPath(files)).value_or("");
    const Settings::ToggleCaptions captions =
        Settings::captionsFor(Settings::readSettingsText(text));
    autoLoad_->setCaption(toQString(captions.autoLoad));
    animated_->setCaption(toQString(captions.animated));
    autoComplete_->setCaption(toQString(captions.autoComplete));
}

void SettingsToggles::SaveSettings(Files& files, AutoStart& autoStart, std::string* holder) {
    const Settings::Toggles toggles = Settings::togglesFromCaptions(
        captionOf(autoLoad_), captionOf(animated_), captionOf(autoComplete_));
    if (toggles.autoLoad) {
        autoStart.set();
    } else {
        autoStart.clear();
    }
    std::string alone;
    std::string& text = holder ? *holder : alone;
    text = Settings::settingsText(toggles);
    files.write(settingsPath(files), text);
}
