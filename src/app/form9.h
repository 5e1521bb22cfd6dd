#pragma once

#include <string>

class Program;

// The invisible start-up window: prepares the program folder, then creates
// the hidden controller window and goes away.
class Form9 {
public:
    explicit Form9(Program& program) : program_(program) {}

    void Form_Load();

    bool FileExists(const std::string& sPath) const;
    // Gives the program folder its icon and tool tip in the file manager.
    void SetFolderIcon();

private:
    Program& program_;
};
