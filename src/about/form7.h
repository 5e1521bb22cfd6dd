#pragma once

#include "widgets/twips_window.h"

class AboutMovie;
class HotArea;
class Program;
class QLabel;

// The about window: the program's about animation, from the maker's site
// when it serves one, otherwise the copy the program carries.
class Form7 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form7(Program& program);

    void Form_Load();
    void CloseMe_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* Label1;
    HotArea* CloseMe;
    AboutMovie* ShockwaveFlash1;

    Program& program_;
};
