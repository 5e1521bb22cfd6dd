#pragma once

#include "platform/auto_start.h"

#include <string>

class Files;

// An XDG autostart entry named after the executable: in the system's
// autostart folder, or in the user's where the system's cannot be written.
class XdgAutoStart final : public AutoStart {
public:
    XdgAutoStart(Files& files, std::string systemFolder, std::string userFolder);

    // The folders from the desktop's standard locations ($XDG_CONFIG_DIRS,
    // $XDG_CONFIG_HOME).
    static XdgAutoStart fromStandardLocations(Files& files);

    void set() override;
    void clear() override;

private:
    std::string entryIn(const std::string& folder) const;

    Files& files_;
    std::string systemFolder_;
    std::string userFolder_;
};
