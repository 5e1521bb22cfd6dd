#pragma once

#include "widgets/twips_window.h"

#include <QTimer>

class CaptionLabel;
class HotArea;
class Program;
class QLineEdit;
class QSvgRenderer;

// The countdown window: the borderless, always-on-top bar on the desktop.
class Form1 : public TwipsWindow {
    Q_OBJECT
public:
    explicit Form1(Program& program);
    ~Form1() override;

    void Form_Load();

    // Timer and change handlers (callable, so tests can tick them).
    void Timer1_Timer();
    void CountdownDisplay_Change();

    // Shared with the team panel.
    short Form2Vis = 0;
    int FormTwoHWND = 0;

    // Elements, named as the rules and the other windows know them.
    CaptionLabel* CountdownDisplay;
    CaptionLabel* NextMatch;
    QLineEdit* DateSearch;
    HotArea* SearchButton;
    HotArea* ExpandButton;
    HotArea* CloseButton;
    HotArea* Draggable;
    HotArea* Image1;
    CaptionLabel* Suggest;
    CaptionLabel* Animated;
    CaptionLabel* AutoLoad;
    CaptionLabel* AutoComplete;
    HotArea* CloseSettings;

    QTimer Timer1;
    QTimer Timer3;
    QTimer TransTimer;
    QTimer Opener;
    QTimer SettingsOpen;
    QTimer SettingsClose;
    QTimer TimerSuggestOpen;
    QTimer TimerSuggestClose;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createElements();
    void createTimers();

    Program& program_;
    QSvgRenderer* background_;
    long long dayCount_ = 0;
    short opacityLevel_ = 255;
};
