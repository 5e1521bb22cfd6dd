#pragma once

#include "widgets/twips_window.h"

#include <QTimer>

#include <string>

namespace ReminderMatch {
struct ReminderAlert;
}
struct DownloadEstimate;
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
    // Shows a due reminder: its teams, date and time, and the kick-off time
    // in Countdown, which Setup then takes for the countdown.
    void showReminder(const ReminderMatch::ReminderAlert& alert);
    // Shows the update's download: its headline and the two dial-up
    // estimates, with no countdown.
    void showDownload(const std::string& headline, const DownloadEstimate& estimate);
    // Takes the kick-off time from the caption of Countdown.
    void Setup();
    void CountTimer_Timer();
    void CloseMe_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CaptionLabel* Teams;
    CaptionLabel* DateAndTime;
    CaptionLabel* Countdown;
    HotArea* CloseMe;

    QTimer CountTimer;

    // Ticks at the next turn of a second of the clock.
    void startCountTimer();

    Program& program_;
    std::string kickOff_; // hours and minutes, as the reminder line has them
};
