#pragma once

#include "widgets/twips_window.h"

#include <QTimer>

class CaptionLabel;
class HotArea;
class Program;

// The alert window: names a reminded match and counts down to kick-off. It
// doubles as the download window of an update.
class Form8 : public TwipsWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "alert")
public:
    explicit Form8(Program& program);
    ~Form8() override;

    void Form_Load();
    void CloseMe_Click();

    CaptionLabel* Teams;
    CaptionLabel* DateAndTime;
    CaptionLabel* Countdown;
    HotArea* CloseMe;

    QTimer CountTimer;

private:
    Program& program_;
};
