#include "settings/autostart_entry.h"

namespace Settings {

namespace {

// An Exec path is quoted, with the characters the desktop would otherwise
// read as its own escaped by a backslash.
std::string quotedExec(std::string_view path) {
    std::string quoted = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

// The entry file itself is read with backslash escapes too.
std::string escapedValue(std::string_view value) {
    std::string escaped;
    for (char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::string autoStartFileName(std::string_view executableBaseName) {
    return std::string(executableBaseName) + ".desktop";
}

std::string autoStartEntry(std::string_view executablePath) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kickoff Clock\n"
           "Exec=" +
           escapedValue(quotedExec(executablePath)) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string hiddenAutoStartEntry() {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kickoff Clock\n"
           "Hidden=true\n";
}

} // namespace Settings
