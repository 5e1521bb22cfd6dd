#pragma once

#include <string>

// The desktop's "Open" verb: a URL goes to the user's browser or mail
// program, a script in the program folder is run. Failures are not reported.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const std::string& target) = 0;
};
