#pragma once

#include <QObject>

#include <string>

class AutoStart;
class ButtonLabel;
class Files;

// The three settings live as the captions of the bar's toggle labels
// AutoLoad, Animated and AutoComplete. This is the one object that reads and
// writes those captions, moves them to and from settings.dsl, and tells when
// one changes; everyone else asks it.
class SettingsToggles : public QObject {
    Q_OBJECT
public:
    SettingsToggles(ButtonLabel* autoLoad, ButtonLabel* animated, ButtonLabel* autoComplete,
                    QObject* parent);

    // Off exactly when the caption reads "Animated? No".
    bool animated() const;
    // On exactly when the caption reads "Auto Complete Search? Yes".
    bool autoComplete() const;

    // A click on a toggle: its on caption turns off, anything else on.
    void flipAutoLoad();
    void flipAnimated();
    void flipAutoComplete();

    // settings.dsl into the captions, through the controller's Settings text
    // when there is a controller; a missing or unreadable file leaves every
    // toggle on.
    void LoadSettings(const Files& files, std::string* holder);
    // The captions into settings.dsl, through the same text, and the
    // autostart entry set or cleared.
    void SaveSettings(Files& files, AutoStart& autoStart, std::string* holder);

signals:
    void changed();

private:
    ButtonLabel* autoLoad_;
    ButtonLabel* animated_;
    ButtonLabel* autoComplete_;
};
