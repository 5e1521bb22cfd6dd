#pragma once

#include "calendar/match_day.h"
#include "widgets/twips_window.h"

#include <QTimer>

#include <array>
#include <string>

class CaptionLabel;
class HotArea;
class Program;
class QSvgRenderer;

// The match day window: the date and up to five matches of one calendar day,
// cut to the rows in use; its close button shrinks it away.
class Form5 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form5(Program& program);
    ~Form5() override;

    void Form_Load();
    // Fills, sizes and shows the window for a calendar day text.
    void ShowMatchDay(const std::string& dayText);
    void CloseMe_Click();
    void CloseTimer_Timer();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CaptionLabel* Date;
    HotArea* CloseMe;
    // Rows 1 to 5: kick-off time and the two teams.
    std::array<CaptionLabel*, MatchDay::maxRows> Time{};
    std::array<CaptionLabel*, MatchDay::maxRows> Team1{};
    std::array<CaptionLabel*, MatchDay::maxRows> Team2{};

    QTimer CloseTimer;

    void createRow(std::size_t row);

    Program& program_;
    QSvgRenderer* background_;
};
