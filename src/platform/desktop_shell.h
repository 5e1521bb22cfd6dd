#pragma once

#include "platform/shell.h"

class QUrl;

class DesktopShell final : public Shell {
public:
    void openUrl(const std::string& url) override;
    void runScript(int descriptor, const std::string& folder) override;

    // Whether `url` is an address the desktop may be asked to open.
    static bool opens(const QUrl& url);
};
