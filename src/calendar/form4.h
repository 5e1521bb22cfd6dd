#pragma once

#include "calendar/calendar_page.h"
#include "widgets/twips_window.h"

#include <array>

class ButtonLabel;
class CaptionLabel;
class DayLabel;
class HotArea;
class Program;

// The calendar window: a month grid of 31 day cells under a title, with group,
// stage and month buttons, a line naming the day under the mouse, and a hint.
class Form4 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form4(Program& program);
    ~Form4() override;

    void Form_Load();

    // The window's state as a page, and a page written back into the window.
    CalenderParsing::CalendarPage page() const;
    void showPage(const CalenderParsing::CalendarPage& page);

    // Change and click handlers (callable, so tests can drive them).
    void Month_Change();
    void ChangeGroup_Click(const char* selector);
    void Day_Click(int index);
    void Day_MouseMove(int index);
    void NextMonth_Click();
    void PrevMonth_Click();
    void Stage1_Click();
    void Stage2_Click();
    void CloseMe_Click();

    // Day (1) to Day (31).
    DayLabel* Day(int index) const { return days_[static_cast<std::size_t>(index - 1)]; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    CaptionLabel* Month;
    HotArea* PrevMonth;
    HotArea* NextMonth;
    HotArea* CloseMe;
    CaptionLabel* Label1;
    CaptionLabel* MatchDay;
    std::array<ButtonLabel*, 8> ChangeGroup; // A to H
    ButtonLabel* ChangeGroupAll;
    ButtonLabel* Stage1;
    ButtonLabel* Stage2;

    CalenderParsing::StageView StageView = CalenderParsing::StageView::GroupStage;

    void createDays();
    void createButtons();
    // Runs a page rule over the window's state.
    template <typename Rule> void change(Rule rule);

    Program& program_;
    std::array<DayLabel*, CalenderParsing::dayCount> days_{};
};
