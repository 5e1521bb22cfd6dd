#include "countdown/form1.h"

#include "app/form3.h"
#include "app/program.h"
#include "common/program_path.h"
#include "countdown/day_counter.h"
#include "countdown/edge_keeping.h"
#include "countdown/slide_steps.h"
#include "countdown/suggestions.h"
#include "countdown/team_search.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/instance.h"
#include "platform/window_effects.h"
#include "settings/settings_store.h"
#include "settings/toggle_captions.h"
#include "team/form2.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWindow>

namespace {

// The bar's right edge rests this far from the screen's right edge, plus its width.
constexpr int rightMargin = 3790;
// The opening growth starts from a speck at the bar's top left corner.
constexpr int openerStart = 10;
constexpr int enterKey = 13;

const QString placeholder = QStringLiteral("Search for a team...");
const QString placeholderLook = QStringLiteral("QLineEdit { color: #C0C0C0; }");

CaptionLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int left,
                        int top, int width, int height) {
    auto* label = new CaptionLabel(caption, parent);
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
    return label;
}

HotArea* makeArea(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* area = new HotArea(parent);
    area->setObjectName(name);
    placeTwips(area, left, top, width, height);
    return area;
}

void setLabelLook(QLabel* label, const QColor& colour, int pixelSize, bool bold) {
    QFont font("Arial");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Starting a running timer leaves it running on its old beat.
void enable(QTimer& timer) {
    if (!timer.isActive()) {
        timer.start();
    }
}

void flip(CaptionLabel* toggle, std::string_view on, std::string_view off) {
    toggle->setCaption(toQString(Settings::flipped(toggle->caption().toStdString(), on, off)));
}

} // namespace

Form1::Form1(Program& program)
    : program_(program), background_(new QSvgRenderer(QStringLiteral(":/background"), this)) {
    setObjectName("Form1");
    setWindowTitle("Countdown");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    createElements();
    createTimers();
    connectHandlers();
    watchForTimer3Wakes();
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
}

void Form1::createElements() {
    CountdownDisplay = makeLabel(this, "CountdownDisplay", "~Countdown~", 120, 0, 2100, 255);
    NextMatch = makeLabel(this, "NextMatch", "~Match~", 120, 195, 1935, 255);
    setLabelLook(CountdownDisplay, QColor(0xff, 0xff, 0xff), 12, true);
    setLabelLook(NextMatch, QColor(0xff, 0xd8, 0x6b), 11, false);
    // A right click on the texts reaches the bar's face beneath them.
    CountdownDisplay->setAttribute(Qt::WA_TransparentForMouseEvents);
    NextMatch->setAttribute(Qt::WA_TransparentForMouseEvents);

    DateSearch = new QLineEdit(placeholder, this);
    DateSearch->setObjectName("DateSearch");
    placeTwips(DateSearch, 240, 75, 1755, 300);
    DateSearch->setStyleSheet(placeholderLook);
    DateSearch->hide();

    SearchButton = makeArea(this, "SearchButton", 2055, 0, 510, 450);
    SearchButton->setPixmap(picture("SearchButton"));
    SearchButton->hide();
    ExpandButton = makeArea(this, "ExpandButton", 2220, 135, 210, 195);
    CloseButton = makeArea(this, "CloseButton", 2505, 120, 195, 195);
    Draggable = makeArea(this, "Draggable", 0, 0, 165, 450);
    Draggable->setCursor(Qt::SizeAllCursor);
    Image1 = makeArea(this, "Image1", 225, 0, 2535, 495);

    Suggest = makeLabel(this, "Suggest", "Did you mean...", 120, 480, 2295, 255);
    Animated = makeLabel(this, "Animated", "Animated? Yes", 2805, 0, 1215, 255);
    AutoLoad = makeLabel(this, "AutoLoad", "Auto Load? Yes", 4005, 0, 1215, 255);
    AutoComplete =
        makeLabel(this, "AutoComplete", "Auto Complete Search? Yes", 2805, 240, 2420, 210);
    for (CaptionLabel* strip : {Suggest, Animated, AutoLoad, AutoComplete}) {
        setLabelLook(strip, QColor(0xff, 0xff, 0xff), 10, false);
    }
    CloseSettings = makeArea(this, "CloseSettings", 5280, 120, 195, 195);

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

void Form1::createTimers() {
    const std::pair<QTimer*, int> timers[] = {
        {&Timer1, 10},      {&Timer3, 5},        {&TransTimer, 10},       {&Opener, 4},
        {&SettingsOpen, 4}, {&SettingsClose, 4}, {&TimerSuggestOpen, 25}, {&TimerSuggestClose, 25},
    };
    for (auto [timer, interval] : timers) {
        timer->setInterval(interval);
        timer->setTimerType(Qt::PreciseTimer);
    }
}

void Form1::connectHandlers() {
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Form1::Timer3_Timer);
    connect(&TransTimer, &QTimer::timeout, this, &Form1::TransTimer_Timer);
    connect(&Opener, &QTimer::timeout, this, &Form1::Opener_Timer);
    connect(&SettingsOpen, &QTimer::timeout, this, &Form1::SettingsOpen_Timer);
    connect(&SettingsClose, &QTimer::timeout, this, &Form1::SettingsClose_Timer);
    connect(&TimerSuggestOpen, &QTimer::timeout, this, &Form1::TimerSuggestOpen_Timer);
    connect(&TimerSuggestClose, &QTimer::timeout, this, &Form1::TimerSuggestClose_Timer);

    connect(CountdownDisplay, &CaptionLabel::captionChanged, this, &Form1::CountdownDisplay_Change);
    connect(DateSearch, &QLineEdit::textChanged, this, &Form1::DateSearch_Change);

    const auto onLeftClick = [this](HotArea* area, void (Form1::*handler)()) {
        connect(area, &HotArea::clicked, this, [this, handler](Qt::MouseButton button) {
            if (button == Qt::LeftButton) {
                (this->*handler)();
            }
        });
    };
    onLeftClick(ExpandButton, &Form1::ExpandButton_Click);
    onLeftClick(CloseButton, &Form1::CloseButton_Click);
    onLeftClick(CloseSettings, &Form1::CloseSettings_Click);
    connect(Image1, &HotArea::pressed, this, &Form1::Image1_MouseDown);
    connect(Draggable, &HotArea::mouseMoved, this, &Form1::Draggable_MouseMove);
    connect(Draggable, &HotArea::released, this, &Form1::Draggable_MouseUp);
}

void Form1::watchForTimer3Wakes() {
    // Moves, resizes, showing and hiding of the bar and its panel arrive
    // through the application-wide filter; so do the search box's focus and
    // keys and the labels' clicks.
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
    connect(Animated, &CaptionLabel::captionChanged, this, &Form1::wakeTimer3);
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
    if (watched == Suggest || watched == Animated || watched == AutoLoad ||
        watched == AutoComplete) {
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
            return false;
        }
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) {
            return false;
        }
        const auto* label = static_cast<QWidget*>(watched);
        if (type == QEvent::MouseButtonRelease &&
            label->rect().contains(mouse->position().toPoint())) {
            if (watched == Suggest) {
                Suggest_Click();
            } else if (watched == Animated) {
                Animated_Click();
            } else if (watched == AutoLoad) {
                AutoLoad_Click();
            } else {
                AutoComplete_Click();
            }
        }
        return true;
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
    setTwipsGeometry({screenWidthTwips() - rightMargin, 0, barWidth, barHeight});
    show();
    services.windowEffects.keepOnTop(*this);
    NextMatch->setCaption("Germany Vs Costa Rica");
    Settings::LoadSettings(program_, *this);
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
    Settings::SaveSettings(program_, *this);
    // A store that was never read in this run must not replace the file.
    if (const Form3* controller = program_.loadedForm3();
        controller && controller->remindersLoaded) {
        Files& files = program_.services().files;
        files.write(programFilePath(files.programFolder(), "RemindMe.dsl"), controller->Reminders);
    }
    program_.unloadForm2();
    program_.end();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->ignore();
    Form_Unload();
}

void Form1::CloseButton_Click() {
    // The tray icon is removed here once the program has one.
    Form_Unload();
}

// Day counter.

void Form1::Timer1_Timer() {
    const DayCounterText text = dayCounter(program_.services().clock.now().date);
    dayCount_ = text.dayCount;
    CountdownDisplay->setCaption(QString::fromStdString(text.caption));
    CountdownDisplay->setToolTip(QString::fromStdString(text.tooltip));
}

void Form1::CountdownDisplay_Change() {
    Timer1.setInterval(10000);
}

// The search box and the expand action.

bool Form1::animationOn() const {
    return Animated->caption() != toQString(Settings::animatedOff);
}

bool Form1::autoCompleteOn() const {
    return AutoComplete->caption() == toQString(Settings::autoCompleteOn);
}

bool Form1::searchButtonShown() const {
    return !SearchButton->isHidden();
}

void Form1::DateSearch_GotFocus() {
    DateSearch->setStyleSheet(QString());
    DateSearch->setText(QString());
}

void Form1::DateSearch_LostFocus() {
    DateSearch->setStyleSheet(placeholderLook);
    DateSearch->setText(placeholder);
}

void Form1::DateSearch_Change() {
    const QString text = DateSearch->text();
    if (autoCompleteOn()) {
        if (!text.isEmpty()) {
            runSuggestions();
        } else {
            SearchButton->hide();
        }
        return;
    }
    SearchButton->setVisible(namesTeamExactly(text.toStdString()));
}

void Form1::DateSearch_KeyPress(int keyAscii) {
    if (keyAscii == enterKey) {
        ExpandButton_Click();
    }
}

void Form1::showCountdownView() {
    DateSearch->hide();
    // A hidden box has lost the focus, even where no focus event said so
    // (the bar was not the active window).
    if (searchFocused_) {
        searchFocused_ = false;
        DateSearch_LostFocus();
    }
    CountdownDisplay->show();
    NextMatch->show();
}

void Form1::showSearchView() {
    DateSearch->show();
    CountdownDisplay->hide();
    NextMatch->hide();
    // The box is the bar's only place for keys: typing goes there at once.
    activateWindow();
    DateSearch->setFocus(Qt::OtherFocusReason);
}

void Form1::ExpandButton_Click() {
    if (!searchButtonShown()) {
        if (!DateSearch->isHidden()) {
            showCountdownView();
            startSuggestClose();
        } else {
            showSearchView();
            program_.unloadForm2();
            Form2Vis = 0;
            wakeTimer3();
        }
        return;
    }
    Form2Vis = 1;
    Form2& panel = program_.form2();
    panel.show();
    panel.TeamName->setCaption(DateSearch->text());
    showCountdownView();
    SearchButton->hide();
    startSuggestClose();
    wakeTimer3();
}

// The suggestion engine and its strip.

void Form1::runSuggestions() {
    const auto row = Suggestions::lookup(DateSearch->text().toStdString());
    if (!row) {
        return;
    }
    const QString name = toQString(row->name);
    switch (row->action) {
    case Suggestions::Action::Suggest:
        SuggestToMe(std::string(row->name));
        break;
    case Suggestions::Action::Complete:
        // The nested change run on the completed name finds no key.
        DateSearch->setText(name);
        SuggestToMe(std::string(Suggestions::noSuggestion));
        startSuggestClose();
        SearchButton->show();
        break;
    case Suggestions::Action::PlainComplete:
        DateSearch->setText(name);
        SearchButton->show();
        break;
    }
}

void Form1::SuggestToMe(const std::string& Country) {
    if (Country != Suggestions::noSuggestion) {
        Suggest->setCaption(QString::fromStdString(Suggestions::suggestionCaption(Country)));
        startSuggestOpen();
    } else {
        startSuggestClose();
    }
}

void Form1::Suggest_Click() {
    const auto name = Suggestions::nameInCaption(Suggest->caption().toStdString());
    if (!name) {
        return;
    }
    DateSearch->setText(QString::fromStdString(*name));
    SuggestToMe(std::string(Suggestions::noSuggestion));
    startSuggestClose();
    SearchButton->show();
}

void Form1::startSuggestOpen() {
    TimerSuggestClose.stop();
    enable(TimerSuggestOpen);
}

void Form1::startSuggestClose() {
    TimerSuggestOpen.stop();
    enable(TimerSuggestClose);
}

void Form1::setHeight(int height) {
    TwipsRect geometry = twipsGeometry();
    geometry.height = height;
    setTwipsGeometry(geometry);
}

void Form1::setWidth(int width) {
    TwipsRect geometry = twipsGeometry();
    geometry.width = width;
    setTwipsGeometry(geometry);
}

void Form1::TimerSuggestOpen_Timer() {
    const SlideStep step = suggestOpenStep(twipsGeometry().height, animationOn());
    setHeight(step.value);
    if (step.stop) {
        TimerSuggestOpen.stop();
    }
}

void Form1::TimerSuggestClose_Timer() {
    const SlideStep step = suggestCloseStep(twipsGeometry().height, animationOn());
    setHeight(step.value);
    if (step.stop) {
        TimerSuggestClose.stop();
    }
}

// The settings strip.

void Form1::Animated_Click() {
    flip(Animated, Settings::animatedOn, Settings::animatedOff);
}

void Form1::AutoLoad_Click() {
    flip(AutoLoad, Settings::autoLoadOn, Settings::autoLoadOff);
}

void Form1::AutoComplete_Click() {
    flip(AutoComplete, Settings::autoCompleteOn, Settings::autoCompleteOff);
}

void Form1::Image1_MouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        startSettingsOpen();
    }
}

void Form1::CloseSettings_Click() {
    startSettingsClose();
}

void Form1::startSettingsOpen() {
    SettingsClose.stop();
    enable(SettingsOpen);
}

void Form1::startSettingsClose() {
    SettingsOpen.stop();
    enable(SettingsClose);
}

void Form1::SettingsOpen_Timer() {
    const SlideStep step = settingsOpenStep(twipsGeometry().width, animationOn());
    setWidth(step.value);
    if (step.stop) {
        SettingsOpen.stop();
    }
}

void Form1::SettingsClose_Timer() {
    const SlideStep step = settingsCloseStep(twipsGeometry().width, animationOn());
    setWidth(step.value);
    if (step.stop) {
        SettingsClose.stop();
    }
}

// Opening, fading, edge keeping and dragging.

void Form1::Opener_Timer() {
    const TwipsRect& geometry = twipsGeometry();
    const SizeStep step = openerStep(geometry.width, geometry.height);
    setTwipsGeometry({geometry.left, geometry.top, step.width, step.height});
    if (step.stop) {
        Opener.stop();
    }
}

bool Form1::barFocused() const {
    WindowEffects& effects = program_.services().windowEffects;
    const int foreground = effects.foregroundWindow();
    return foreground == effects.handleOf(*this) || foreground == FormTwoHWND;
}

void Form1::applyOpacity(int level) {
    WindowEffects& effects = program_.services().windowEffects;
    if (Form2* panel = program_.loadedForm2(); panel && FormTwoHWND != 0) {
        effects.setOpacity(*panel, level);
    }
    effects.setOpacity(*this, level);
}

void Form1::focusFade() {
    const FadeDirection start = fadeToStart(animationOn(), opacityLevel_, barFocused());
    if (start == FadeDirection::None) {
        return;
    }
    applyOpacity(opacityLevel_);
    opacityLevel_ = start == FadeDirection::Down ? opaqueLevel : fadedLevel;
    fadeTag_ = start;
    enable(TransTimer);
}

void Form1::TransTimer_Timer() {
    const FadeTick tick = fadeStep(opacityLevel_, fadeTag_);
    if (tick.stop) {
        TransTimer.stop();
        opacityLevel_ = static_cast<short>(tick.level);
        applyOpacity(tick.applied);
        fadeTag_ = FadeDirection::None;
        // At rest again: the focus may have changed while the fade ran.
        wakeTimer3();
        return;
    }
    applyOpacity(tick.applied);
    opacityLevel_ = static_cast<short>(tick.level);
}

namespace {

EdgeInput edgeInputOf(const Form1& bar, const Form2* panel, bool animated) {
    EdgeInput input;
    input.bar = bar.twipsGeometry();
    input.panelOpen = bar.Form2Vis == 1 && panel;
    if (panel) {
        input.panel = panel->twipsGeometry();
    }
    input.screenWidth = bar.screenWidthTwips();
    input.screenHeight = bar.screenHeightTwips();
    input.animated = animated;
    return input;
}

} // namespace

void Form1::keepBarOnScreen() {
    Form2* panel = program_.loadedForm2();
    const EdgeInput input = edgeInputOf(*this, panel, animationOn());
    const EdgeResult result = keepInsideScreen(input);
    if (result.panelLeft && panel) {
        TwipsRect moved = panel->twipsGeometry();
        moved.left = *result.panelLeft;
        panel->setTwipsGeometry(moved);
    }
    if (result.bar != input.bar) {
        setTwipsGeometry(result.bar);
    }
    for (int call = 0; call < result.moveMeCalls && panel; ++call) {
        panel->MoveMe();
    }
}

void Form1::Timer3_Timer() {
    focusFade();
    if (isVisible()) {
        keepBarOnScreen();
    }
    if (!timer3CanAct()) {
        Timer3.stop();
    }
}

bool Form1::timer3CanAct() const {
    if (fadeToStart(animationOn(), opacityLevel_, barFocused()) != FadeDirection::None) {
        return true;
    }
    if (!isVisible()) {
        return false;
    }
    const EdgeInput input = edgeInputOf(*this, program_.loadedForm2(), animationOn());
    return keepInsideScreen(input).changesAnything(input);
}

void Form1::wakeTimer3() {
    if (loaded_ && !unloading_) {
        enable(Timer3);
    }
}

void Form1::Draggable_MouseMove(Qt::MouseButtons buttons, QPoint at) {
    if (buttons == Qt::LeftButton) {
        if (followingMouse_) {
            // The grip moves with the bar, so the pointer's offset in it is
            // how far the bar still has to go.
            TwipsRect geometry = twipsGeometry();
            geometry.left += pixelsToTwips(at.x() - grabbedAt_.x());
            geometry.top += pixelsToTwips(at.y() - grabbedAt_.y());
            setTwipsGeometry(geometry);
        } else if (!program_.services().windowEffects.startSystemMove(*this)) {
            // No window manager to drag for us: follow the mouse ourselves
            // until the button is released.
            followingMouse_ = true;
            grabbedAt_ = at;
        }
    }
    panelFollowsBar();
}

void Form1::Draggable_MouseUp() {
    followingMouse_ = false;
}

void Form1::panelFollowsBar() {
    Form2* panel = program_.loadedForm2();
    if (Form2Vis != 1 || !panel) {
        return;
    }
    panel->MoveMe();
    const TwipsRect& bar = twipsGeometry();
    if (inLowestThird(bar.top, screenHeightTwips())) {
        TwipsRect above = panel->twipsGeometry();
        above.top = bar.top - above.height;
        panel->setTwipsGeometry(above);
    }
}

void Form1::moveEvent(QMoveEvent* event) {
    // A move the system made (the end of a drag) takes the panel along.
    const TwipsRect& geometry = twipsGeometry();
    const bool bySystem =
        event->pos() != QPoint(twipsToPixels(geometry.left), twipsToPixels(geometry.top));
    TwipsWindow::moveEvent(event);
    if (bySystem) {
        panelFollowsBar();
    }
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The bitmap covers the bar and both strips; the window shows as much of
    // it as its current size reveals.
    background_->render(&painter, QRectF(QPointF(0, 0), background_->defaultSize()));
}
