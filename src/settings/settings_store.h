#pragma once

class Form1;
class Program;

// Moves the settings between settings.dsl (through the controller's Settings
// holder) and the bar's three toggle captions.
namespace Settings {

// At the bar's load: a missing or unreadable file leaves every toggle on.
void LoadSettings(Program& program, Form1& bar);

// At the bar's unload: writes the file and sets or clears the autostart entry.
void SaveSettings(Program& program, Form1& bar);

} // namespace Settings
