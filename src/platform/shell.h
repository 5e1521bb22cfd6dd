#pragma once

#include <string>

// The desktop's "Open" verb, in its two uses: a web page or mail link goes to
// the user's browser or mail program, and the start-up script is run by the
// shell. Failures are not reported.
class Shell {
public:
    virtual ~Shell() = default;
    // Only http, https and mailto addresses are opened; others are ignored.
    virtual void openUrl(const std::string& url) = 0;
    // Runs the script open on `descriptor` with /bin/sh in `folder`, without
    // waiting for it; the descriptor is taken and closed. Given a descriptor,
    // never a name, the shell reads the very file that was checked.
    virtual void runScript(int descriptor, const std::string& folder) = 0;
};
