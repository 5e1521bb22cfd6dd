#pragma once

#include "countdown/edge_keeping.h"
#include "countdown/focus_fade.h"
#include "countdown/slide_steps.h"
#include "team/panel_host.h"
#include "widgets/twips_window.h"

#include <QPoint>
#include <QTimer>

#include <string>

class ButtonLabel;
class Form2;
class CaptionLabel;
class HotArea;
class Program;
class QLineEdit;
class SettingsToggles;

// The countdown window: the borderless, always-on-top bar on the desktop.
class Form1 : public TwipsWindow, public PanelHost {
    Q_OBJECT
public:
    explicit Form1(Program& program);
    ~Form1() override;

    void Form_Load();
    // Saves the settings and the reminder store, then ends the program.
    void Form_Unload();
    // What the unload saves: settings.dsl, the autostart entry, RemindMe.dsl.
    void SaveFiles();
    // The load has run to its end (the settings are in the toggles).
    bool loaded() const { return loaded_; }

    // Timer and change handlers (callable, so tests can tick them).
    void Timer1_Timer();
    void CountdownDisplay_Change();
    void Timer3_Timer();
    void TransTimer_Timer();
    void Opener_Timer();
    void SettingsOpen_Timer();
    void SettingsClose_Timer();
    void TimerSuggestOpen_Timer();
    void TimerSuggestClose_Timer();

    // The search box.
    void DateSearch_GotFocus();
    void DateSearch_LostFocus();
    void DateSearch_Change();
    void DateSearch_KeyPress(int keyAscii);
    // The expand action: toggles the view, or opens the team panel for the text.
    void ExpandButton_Click();

    // Offers a team in the strip below the bar; "None" shuts the strip.
    void SuggestToMe(const std::string& Country);
    void Suggest_Click();

    // The settings strip.
    void Animated_Click();
    void AutoLoad_Click();
    void AutoComplete_Click();
    void Image1_MouseDown(Qt::MouseButton button);
    void CloseSettings_Click();

    void Draggable_MouseDown(Qt::MouseButton button);
    void Draggable_MouseMove(Qt::MouseButtons buttons, QPoint at);
    void Draggable_MouseUp();
    void CloseButton_Click();

    // What the team panel tells the bar.
    const TwipsWindow& barWindow() const override { return *this; }
    void panelLoaded(int handle) override;
    void panelOpened() override;
    void panelClosed() override;

    // The three settings, which the other windows ask too.
    const SettingsToggles& settings() const { return *settings_; }

    int opacityLevel() const { return opacityLevel_; }

protected:
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Elements, named as the rules know them.
    CaptionLabel* CountdownDisplay;
    CaptionLabel* NextMatch;
    QLineEdit* DateSearch;
    HotArea* SearchButton;
    HotArea* ExpandButton;
    HotArea* CloseButton;
    HotArea* Draggable;
    HotArea* Image1; // the bar's face: a right click on it opens the settings strip
    ButtonLabel* Suggest;
    ButtonLabel* Animated;
    ButtonLabel* AutoLoad;
    ButtonLabel* AutoComplete;
    HotArea* CloseSettings;

    QTimer Timer1; // the day counter: 10 ms for the first count, then every 10 s
    QTimer Timer3; // the focus fade and the edge keeping, resting while neither can act
    QTimer TransTimer;
    QTimer Opener;
    QTimer SettingsOpen;
    QTimer SettingsClose;
    QTimer TimerSuggestOpen;
    QTimer TimerSuggestClose;

    void createElements();
    void nameForScreenReaders();
    void createTimers();
    void connectHandlers();
    void watchForTimer3Wakes();

    bool animationOn() const;
    bool autoCompleteOn() const;
    bool searchButtonShown() const;
    bool barFocused() const;

    // One tick of a strip's slide: the rule's next width or height, until
    // the step that ends it stops the timer.
    void slide(QTimer& timer, int TwipsRect::*side, SlideStep (*rule)(int, bool));
    void startSuggestOpen();
    void startSuggestClose();
    void startSettingsOpen();
    void startSettingsClose();
    void showCountdownView();
    void showSearchView();
    void runSuggestions();
    void panelFollowsBar();
    void applyOpacity(int level);
    void focusFade();
    EdgeInput edgeInput(const Form2* panel) const;
    void keepBarOnScreen();
    // Timer3 rests while none of its ticks could change anything; every event
    // that could change that wakes it.
    bool timer3CanAct() const;
    void wakeTimer3();

    Program& program_;
    short Form2Vis = 0;  // 1 while the team panel is open beside the bar, else 0
    int FormTwoHWND = 0; // the panel window's handle while it is loaded
    SettingsToggles* settings_;
    short opacityLevel_ = 255;
    FadeDirection fadeTag_ = FadeDirection::None;
    bool loaded_ = false;
    bool unloading_ = false;
    // The search box holds the focus (its got-focus step has run).
    bool searchFocused_ = false;
    bool gripHeld_ = false; // pressed on the grip, and no drag handed over since
    // Where the grip was held when the bar follows the mouse by itself.
    bool followingMouse_ = false;
    QPoint grabbedAt_;
};
