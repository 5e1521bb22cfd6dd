#pragma once

#include "widgets/twips_window.h"

#include <QTimer>

#include <string>

class CaptionLabel;
class HotArea;
class Program;
class QSvgRenderer;

// The alert window: names a reminded match and counts down to kick-off. It
// doubles as the download window of an update.
class Form8 : public TwipsWindow {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "alert")
public:
    explicit Form8(Program& program);
    ~Form8() override;

    void Form_Load();
    // Takes the kick-off time from the caption of Countdown.
    void Setup();
    void CountTimer_Timer();
    void CloseMe_Click();

    CaptionLabel* Teams;
    CaptionLabel* DateAndTime;
    CaptionLabel* Countdown;
    HotArea* CloseMe;

    QTimer CountTimer;

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Ticks at the next turn of a second of the clock.
    void startCountTimer();

    Program& program_;
    QSvgRenderer* background_;
    std::string kickOff_; // hours and minutes, as the reminder line has them
};
