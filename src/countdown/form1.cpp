#include "countdown/form1.h"

#include "app/program.h"
#include "countdown/day_counter.h"
#include "countdown/form1_parts.h"
#include "countdown/slide_steps.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/window_effects.h"
#include "reminders/reminder_store_ui.h"
#include "settings/settings_toggles_ui.h"
#include "settings/toggle_captions.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"
#include "widgets/qt_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

using form1::enable;
using form1::enterKey;
using form1::placeholder;
using form1::placeholderLook;

namespace {

// The bar's right edge rests this far from the screen's right edge, plus its width.
constexpr int rightMargin = 3790;
// The opening growth starts from a speck at the bar's top left corner.
constexpr int openerStart = 10;

const LabelLook counterLook{QColor(0xff, 0xff, 0xff), 12, true};
const LabelLook matchLook{QColor(0xff, 0xd8, 0x6b), 11, false};
const LabelLook stripLook{QColor(0xff, 0xff, 0xff), 10, false};

} // namespace

Form1::Form1(Program& program) : program_(program) {
    setObjectName("Form1");
    // The bitmap covers the bar and both strips; the window shows as much of
    // it as its current size reveals.
    setBackground(":/background");
    setWindowTitle("Countdown");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    createElements();
    nameForScreenReaders();
    createTimers();
    connectHandlers();
    watchForTimer3Wakes();
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
}

void Form1::createElements() {
    CountdownDisplay = makeLabel<CaptionLabel>(this, "CountdownDisplay", "~Countdown~", counterLook,
                                               120, 0, 2100, 255);
    NextMatch =
        makeLabel<CaptionLabel>(this, "NextMatch", "~Match~", matchLook, 120, 195, 1935, 255);

    DateSearch = new QLineEdit(placeholder, this);
    DateSearch->setObjectName("DateSearch");
    placeTwips(DateSearch, 240, 75, 1755, 300);
    DateSearch->setStyleSheet(placeholderLook);
    DateSearch->home(false);
    // Only a click gives the box the focus (not the bar turning active), so
    // the prompt stays until the user clicks into it.
    DateSearch->setFocusPolicy(Qt::ClickFocus);
    DateSearch->hide();

    SearchButton = makeHotArea(this, "SearchButton", 2055, 0, 510, 450);
    SearchButton->setPixmap(picture("SearchButton"));
    SearchButton->hide();
    ExpandButton = makeHotArea(this, "ExpandButton", 2220, 135, 210, 195);
    CloseButton = makeHotArea(this, "CloseButton", 2505, 120, 195, 195);
    Draggable = makeHotArea(this, "Draggable", 0, 0, 165, 450);
    Draggable->setCursor(Qt::SizeAllCursor);
    Image1 = makeHotArea(this, "Image1", 225, 0, 2535, 495);

    Suggest =
        makeLabel<ButtonLabel>(this, "Suggest", "Did you mean...", stripLook, 120, 480, 2295, 255);
    Animated = makeLabel<ButtonLabel>(this, "Animated", toQString(Settings::animatedOn), stripLook,
                                      2805, 0, 1215, 255);
    AutoLoad = makeLabel<ButtonLabel>(this, "AutoLoad", toQString(Settings::autoLoadOn), stripLook,
                                      4005, 0, 1215, 255);
    AutoComplete = makeLabel<ButtonLabel>(this, "AutoComplete", toQString(Settings::autoCompleteOn),
                                          stripLook, 2805, 240, 2420, 210);
    CloseSettings = makeHotArea(this, "CloseSettings", 5280, 120, 195, 195);
    settings_ = new SettingsToggles(AutoLoad, Animated, AutoComplete, this);

    const QCursor hand(picture("HandCursor"), 10, 2);
    for (HotArea* button : {ExpandButton, CloseButton, CloseSettings}) {
        button->setCursor(hand);
    }

    // The hot areas lie over the labels, as they do on the bar's face.
    for (HotArea* area : {ExpandButton, CloseButton, Draggable, CloseSettings}) {
        area->raise();
    }
    Image1->lower();
}

void Form1::nameForScreenReaders() {
    setAccessibleName("Kickoff Clock");
    DateSearch->setAccessibleName("Team search");
    const std::pair<HotArea*, const char*> names[] = {
        {SearchButton, "Find team"}, {ExpandButton, "Search"}, {CloseButton, "Close"},
        {Draggable, "Move"},         {Image1, "Settings"},     {CloseSettings, "Close settings"},
    };
    for (auto [area, name] : names) {
        area->setAccessibleName(name);
    }
    // Without a mouse these do what pressing them starts: the expand action
    // under the search picture, a drag by the system, the settings strip.
    SearchButton->setPressAction([this] { ExpandButton_Click(); });
    Draggable->setPressAction([this] { program_.services().windowEffects.startSystemMove(*this); });
    Image1->setPressAction([this] { Image1_MouseDown(Qt::RightButton); });
}

void Form1::createTimers() {
    makeTimer(Timer1, this, "Timer1", 10, &Form1::Timer1_Timer);
    makeTimer(Timer3, this, "Timer3", 5, &Form1::Timer3_Timer);
    makeTimer(TransTimer, this, "TransTimer", 10, &Form1::TransTimer_Timer);
    makeTimer(Opener, this, "Opener", 4, &Form1::Opener_Timer);
    makeTimer(SettingsOpen, this, "SettingsOpen", 4, &Form1::SettingsOpen_Timer);
    makeTimer(SettingsClose, this, "SettingsClose", 4, &Form1::SettingsClose_Timer);
    makeTimer(TimerSuggestOpen, this, "TimerSuggestOpen", 25, &Form1::TimerSuggestOpen_Timer);
    makeTimer(TimerSuggestClose, this, "TimerSuggestClose", 25, &Form1::TimerSuggestClose_Timer);
}

void Form1::connectHandlers() {
    connect(CountdownDisplay, &CaptionLabel::captionChanged, this, &Form1::CountdownDisplay_Change);
    connect(DateSearch, &QLineEdit::textChanged, this, &Form1::DateSearch_Change);

    connect(ExpandButton, &HotArea::clicked, this, &Form1::ExpandButton_Click);
    connect(CloseButton, &HotArea::clicked, this, &Form1::CloseButton_Click);
    connect(CloseSettings, &HotArea::clicked, this, &Form1::CloseSettings_Click);
    connect(Suggest, &ButtonLabel::clicked, this, &Form1::Suggest_Click);
    connect(Animated, &ButtonLabel::clicked, this, &Form1::Animated_Click);
    connect(AutoLoad, &ButtonLabel::clicked, this, &Form1::AutoLoad_Click);
    connect(AutoComplete, &ButtonLabel::clicked, this, &Form1::AutoComplete_Click);
    connect(Image1, &HotArea::pressed, this, &Form1::Image1_MouseDown);
    connect(Draggable, &HotArea::pressed, this, &Form1::Draggable_MouseDown);
    connect(Draggable, &HotArea::mouseMoved, this, &Form1::Draggable_MouseMove);
    connect(Draggable, &HotArea::released, this, &Form1::Draggable_MouseUp);
}

void Form1::watchForTimer3Wakes() {
    // Moves, resizes, showing and hiding of the bar and its panel arrive
    // through the application-wide filter; so do the search box's focus and
    // keys.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &Form1::wakeTimer3);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &Form1::wakeTimer3);
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &Form1::wakeTimer3);
    const auto watchScreen = [this](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, &Form1::wakeTimer3);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watchScreen(screen);
    }
    connect(qApp, &QGuiApplication::screenAdded, this, [this, watchScreen](QScreen* screen) {
        watchScreen(screen);
        wakeTimer3();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, &Form1::wakeTimer3);
    connect(settings_, &SettingsToggles::changed, this, &Form1::wakeTimer3);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == DateSearch) {
        if (type == QEvent::FocusIn && !searchFocused_) {
            searchFocused_ = true;
            DateSearch_GotFocus();
        } else if (type == QEvent::FocusOut) {
            // Switching to another program and back, or a menu, keeps the
            // box's focus as far as the bar is concerned.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (searchFocused_ && reason != Qt::ActiveWindowFocusReason &&
                reason != Qt::PopupFocusReason) {
                searchFocused_ = false;
                DateSearch_LostFocus();
            }
        } else if (type == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            DateSearch_KeyPress(enter                   ? enterKey
                                : key->text().isEmpty() ? 0
                                                        : key->text().front().unicode());
        }
        return false;
    }
    if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show ||
         type == QEvent::Hide) &&
        qobject_cast<TwipsWindow*>(watched)) {
        wakeTimer3();
    }
    return false;
}

// Load and unload.

void Form1::Form_Load() {
    Services& services = program_.services();
    if (services.instance.anotherRunning()) {
        program_.end();
        return;
    }
    // Alone now, no save of ours is under way.
    services.files.removeStaleTemporaries();
    // First placed on the primary monitor, whichever holds the bar later.
    const TwipsRect primary = primaryMonitorTwips();
    setTwipsGeometry(
        {primary.left + primary.width - rightMargin, primary.top, barWidth, barHeight});
    show();
    services.windowEffects.keepOnTop(*this);
    NextMatch->setCaption("Germany Vs Costa Rica");
    settings_->LoadSettings(services.files, program_.settingsHolder());
    if (animationOn()) {
        TwipsRect speck = twipsGeometry();
        speck.width = openerStart;
        speck.height = openerStart;
        setTwipsGeometry(speck);
        enable(Opener);
    }
    opacityLevel_ = opaqueLevel;
    loaded_ = true;
    Timer1.start();
    Timer3.start();
}

void Form1::Form_Unload() {
    if (unloading_) {
        return;
    }
    unloading_ = true;
    SaveFiles();
    program_.unloadForm2();
    program_.end();
}

void Form1::SaveFiles() {
    Services& services = program_.services();
    settings_->SaveSettings(services.files, services.autoStart, program_.settingsHolder());
    if (ReminderStore* store = program_.loadedReminderStore()) {
        store->SaveReminders();
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    Form_Unload();
}

void Form1::CloseButton_Click() {
    program_.removeTrayIcon();
    Form_Unload();
}

// Day counter.

void Form1::Timer1_Timer() {
    const DayCounterText text = dayCounter(program_.services().clock.now().date);
    CountdownDisplay->setCaption(QString::fromStdString(text.caption));
    CountdownDisplay->setToolTip(QString::fromStdString(text.tooltip));
}

void Form1::CountdownDisplay_Change() {
    Timer1.setInterval(10000);
}
