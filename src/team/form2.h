#pragma once

#include "widgets/twips_window.h"

class CaptionLabel;
class Program;

// The team panel: one team's next match, beside the bar.
class Form2 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form2(Program& program);
    ~Form2() override;

    void Form_Load();
    void Form_Unload();

    // Puts the panel back beside the bar after the bar has moved.
    void MoveMe();

    CaptionLabel* TeamName;

private:
    Program& program_;
};
