#pragma once

class Program;

// The invisible start-up window: prepares the program folder, then creates
// the hidden controller window and goes away.
class Form9 {
public:
    explicit Form9(Program& program) : program_(program) {}

    void Form_Load();

private:
    Program& program_;
};
