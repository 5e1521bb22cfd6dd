#pragma once

#include "team/panel_motion.h"
#include "widgets/twips_window.h"

#include <QTimer>

class ButtonLabel;
class CaptionLabel;
class HotArea;
class PanelHost;
class Program;

// The team panel: one team's next match beside the bar and, widened, the
// buttons to reminders, calendars and the team's news.
class Form2 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form2(Program& program);
    ~Form2() override;

    void Form_Load();
    void Form_Unload();

    // The bar hands over the team the user asked for, as typed.
    void showTeam(const QString& typed);

    // Puts the panel back beside the bar after the bar has moved.
    void MoveMe();

    // Change, timer and click handlers (callable, so tests can drive them).
    void TeamName_Change();
    void ParseMatchs_Timer();
    void OpenTimer_Timer();
    void CloseTimer_Timer();
    void ExtOpen_Timer();
    void ExtClose_Timer();
    void CloseMe_Click();
    void OpenExtension_Click();
    void MatchReminder_Click();
    void GroupCalender_Click();
    void Calender_Click();
    void TeamNews_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Elements, named as the rules know them.
    CaptionLabel* TeamName;
    CaptionLabel* NextMatchTitle;
    CaptionLabel* Against;
    CaptionLabel* DatePlayingText;
    CaptionLabel* Stad;
    CaptionLabel* Loadingtext;
    HotArea* CloseMe;
    HotArea* OpenExtension;
    ButtonLabel* MatchReminder;
    ButtonLabel* GroupCalender;
    ButtonLabel* Calender;
    ButtonLabel* TeamNews;
    HotArea* MatchReminderOver;
    HotArea* GroupCalenderOver;
    HotArea* CalenderOver;
    HotArea* TeamNewsOver;

    QTimer ParseMatchs;
    QTimer OpenTimer;
    QTimer CloseTimer;
    QTimer ExtOpen;
    QTimer ExtClose;

    void createElements();
    void createButtons();
    void createTimers();
    bool animated() const;
    void normaliseTitle();
    void resizeTwips(int width, int height);
    // One tick of a widening or narrowing: width and corner images, until
    // the step that ends it stops the timer.
    void widthStep(QTimer& timer, const PanelMotion::WidthStep& step);
    void nameArrow();
    void placeCornerImages(int left);

    Program& program_;
    PanelHost& host_;
    // CloseMe and OpenExtension share their left edge, kept in twips so that
    // 20-twip steps do not drift in whole pixels.
    int cornerImagesLeft_ = 2385;
};
