#include "team/form2.h"

#include "app/program.h"
#include "calendar/open_calender.h"
#include "countdown/form1.h"
#include "platform/clock.h"
#include "platform/window_effects.h"
#include "reminders/reminder_match.h"
#include "schedule/fixture_lookup.h"
#include "schedule/roster.h"
#include "team/news_opener.h"
#include "team/panel_motion.h"
#include "team/panel_texts.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"

#include <QCloseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int designHeight = 1440;
constexpr int cornerImagesStart = 2385;

const LabelLook titleLook{QColor(0xff, 0xff, 0xff), 14, true};
const LabelLook headingLook{QColor(0xff, 0xd8, 0x6b), 11, false};
const LabelLook matchLook{QColor(0xff, 0xff, 0xff), 12, true};
const LabelLook detailLook{QColor(0xe8, 0xee, 0xf4), 11, false};
const LabelLook buttonLook{QColor(0xff, 0xff, 0xff), 10, false};

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string plain(const QString& text) {
    return text.toStdString();
}

} // namespace

Form2::Form2(Program& program) : program_(program) {
    setObjectName("Form2");
    setWindowTitle("Team");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    setTwipsGeometry({0, 0, PanelMotion::narrowWidth, designHeight});
    createElements();
    createButtons();
    createTimers();
}

Form2::~Form2() = default;

void Form2::createElements() {
    TeamName = makeLabel<CaptionLabel>(this, "TeamName", "England", titleLook, 120, 60, 2385, 330);
    NextMatchTitle = makeLabel<CaptionLabel>(this, "NextMatchTitle", "Next Match", headingLook, 120,
                                             345, 1140, 300);
    Against = makeLabel<CaptionLabel>(this, "Against", "Against", matchLook, 120, 600, 1350, 510);
    Against->setWordWrap(true);
    Against->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DatePlayingText =
        makeLabel<CaptionLabel>(this, "DatePlayingText", "Date", detailLook, 1260, 600, 1305, 555);
    DatePlayingText->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Stad = makeLabel<CaptionLabel>(this, "Stad", "Stadium", detailLook, 120, 1080, 2550, 300);
    Loadingtext = makeLabel<CaptionLabel>(this, "Loadingtext", "Loading...", detailLook, 120, 1200,
                                          1455, 255);
    for (CaptionLabel* hidden : {Against, DatePlayingText, Stad}) {
        hidden->hide();
    }

    CloseMe = makeHotArea(this, "CloseMe", cornerImagesStart, 0, 255, 255);
    OpenExtension = makeHotArea(this, "OpenExtension", cornerImagesStart, 240, 255, 255);
    OpenExtension->hide();
    for (HotArea* image : {CloseMe, OpenExtension}) {
        image->setCursor(Qt::PointingHandCursor);
    }

    connect(TeamName, &CaptionLabel::captionChanged, this, &Form2::TeamName_Change);
    // Screen readers know the panel by its title and the arrow by what it does next.
    setAccessibleName(TeamName->caption());
    connect(TeamName, &CaptionLabel::captionChanged, this,
            [this] { setAccessibleName(TeamName->caption()); });
    CloseMe->setAccessibleName("Close");
    nameArrow();
    // Whatever writes the match into these labels also makes them seen.
    for (CaptionLabel* label : {Against, Stad, DatePlayingText}) {
        connect(label, &CaptionLabel::captionChanged, label, &QWidget::show);
    }
    connect(CloseMe, &HotArea::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            CloseMe_Click();
        }
    });
    connect(OpenExtension, &HotArea::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) {
            OpenExtension_Click();
        }
    });
}

void Form2::createButtons() {
    struct Button {
        ButtonLabel*& label;
        HotArea*& over;
        const char* name;
        const char* overName;
        const char* caption;
        int top;
        void (Form2::*click)();
    };
    const Button buttons[] = {
        {MatchReminder, MatchReminderOver, "MatchReminder", "MatchReminderOver",
         "Add Match Reminder", 120, &Form2::MatchReminder_Click},
        {GroupCalender, GroupCalenderOver, "GroupCalender", "GroupCalenderOver",
         "Group Match Calender", 435, &Form2::GroupCalender_Click},
        {Calender, CalenderOver, "Calender", "CalenderOver", "All Groups Calender", 765,
         &Form2::Calender_Click},
        {TeamNews, TeamNewsOver, "TeamNews", "TeamNewsOver", "Team News", 1080,
         &Form2::TeamNews_Click},
    };
    const QPixmap pressedLook = picture("ButtonPressed");
    for (const Button& button : buttons) {
        // The pressed look lies under its button's caption.
        button.over = makeHotArea(this, button.overName, 3105, button.top, 1695, 255);
        button.over->setPixmap(pressedLook);
        button.over->hide();
        button.label = makeLabel<ButtonLabel>(this, button.name, button.caption, buttonLook, 3105,
                                              button.top, 1695, 255);
        button.label->setAlignment(Qt::AlignCenter);
        button.label->setCursor(Qt::PointingHandCursor);
        HotArea* over = button.over;
        connect(button.label, &ButtonLabel::pressed, over, &QWidget::show);
        connect(button.label, &ButtonLabel::released, over, &QWidget::hide);
        connect(button.label, &ButtonLabel::clicked, this, button.click);
    }
    // The corner images stay on top of everything, even when widened.
    CloseMe->raise();
    OpenExtension->raise();
}

void Form2::createTimers() {
    const std::pair<QTimer*, int> timers[] = {
        {&ParseMatchs, 1000}, {&OpenTimer, 4}, {&CloseTimer, 4}, {&ExtOpen, 4}, {&ExtClose, 4},
    };
    for (auto [timer, interval] : timers) {
        timer->setInterval(interval);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(&ParseMatchs, &QTimer::timeout, this, &Form2::ParseMatchs_Timer);
    connect(&OpenTimer, &QTimer::timeout, this, &Form2::OpenTimer_Timer);
    connect(&CloseTimer, &QTimer::timeout, this, &Form2::CloseTimer_Timer);
    connect(&ExtOpen, &QTimer::timeout, this, &Form2::ExtOpen_Timer);
    connect(&ExtClose, &QTimer::timeout, this, &Form2::ExtClose_Timer);
}

void Form2::Form_Load() {
    Form1& bar = program_.form1();
    bar.FormTwoHWND = static_cast<int>(winId());

    background_ = new QSvgRenderer(QStringLiteral(":/BACKGROUND_Form2"), this);
    OpenExtension->setPixmap(picture("Min"));
    CloseMe->setPixmap(picture("Close"));

    TwipsRect panel = twipsGeometry();
    panel.width = PanelMotion::narrowWidth;
    panel.left = bar.twipsGeometry().left;
    panel.top = bar.twipsGeometry().top;
    setTwipsGeometry(panel);
    normaliseTitle();
    MoveMe();
    resizeTwips(PanelMotion::seedSize, PanelMotion::seedSize);
    const int barTop = bar.twipsGeometry().top;
    if (PanelMotion::panelGoesAbove(barTop, bar.monitorTwips())) {
        panel = twipsGeometry();
        panel.top = barTop - panel.height;
        setTwipsGeometry(panel);
    }
    // Shown once in its place: a window manager places a window as it maps
    // it, and may undo a move that follows at once.
    show();
    program_.services().windowEffects.keepOnTop(*this);

    ParseMatchs.start();
    OpenTimer.start();
}

void Form2::Form_Unload() {
    if (Form1* bar = program_.loadedForm1()) {
        bar->FormTwoHWND = 0;
    }
}

void Form2::MoveMe() {
    const Form1& bar = program_.form1();
    const TwipsRect& barGeometry = bar.twipsGeometry();
    TwipsRect panel = twipsGeometry();
    panel.left = barGeometry.left;
    panel.top = PanelMotion::panelGoesAbove(barGeometry.top, bar.monitorTwips())
                    ? barGeometry.top - panel.height
                    : barGeometry.top + barGeometry.height;
    setTwipsGeometry(panel);
}

void Form2::TeamName_Change() {
    Loadingtext->show();
    normaliseTitle();
}

void Form2::ParseMatchs_Timer() {
    normaliseTitle();
    const std::string title = plain(TeamName->caption());
    const XMLParsing::FixtureLookup next = XMLParsing::lookupFixture(
        program_.groupTables(), title, program_.services().clock.now().date);
    if (next.outcome == XMLParsing::FixtureLookup::Outcome::UnknownTeam) {
        return; // asked again on the next tick
    }
    ParseMatchs.stop();
    if (next.outcome != XMLParsing::FixtureLookup::Outcome::Found) {
        return; // the panel keeps its loading text
    }
    TeamName->setCaption(qt(title + next.groupSuffix));
    const PanelTexts::NextMatch match = PanelTexts::nextMatch(*next.slot, next.opponent);
    DatePlayingText->setCaption(qt(match.datePlaying));
    Against->setCaption(qt(match.against));
    setPlainToolTip(Against,
                    qt(PanelTexts::againstTooltip(plain(TeamName->caption()), match.against)));
    Stad->setCaption(qt(match.stad));
    setPlainToolTip(Stad, qt(match.stadTooltip));
    Loadingtext->hide();
    OpenExtension->show();
}

// When movements overlap, closing wins over everything: a CloseMe click stops
// the other three. The arrow reverses a widening or narrowing under way
// (starting one stops the other) and is ignored while the panel grows or
// shrinks, so the corner images never move without the width.

void Form2::OpenTimer_Timer() {
    const TwipsRect& panel = twipsGeometry();
    const PanelMotion::SizeStep step = PanelMotion::openStep(panel.width, panel.height, animated());
    resizeTwips(step.width, step.height);
    if (step.done) {
        program_.form1().Form2Vis = 1;
        OpenTimer.stop();
    }
}

void Form2::CloseTimer_Timer() {
    const TwipsRect& panel = twipsGeometry();
    const PanelMotion::SizeStep step =
        PanelMotion::closeStep(panel.width, panel.height, animated());
    if (!step.done) {
        resizeTwips(step.width, step.height);
        return;
    }
    CloseTimer.stop();
    Form1& bar = program_.form1();
    program_.unloadForm2(); // this window is gone from here on
    bar.Form2Vis = 0;
}

void Form2::ExtOpen_Timer() {
    const PanelMotion::WidthStep step = PanelMotion::widenStep(twipsGeometry().width, animated());
    resizeTwips(step.width, twipsGeometry().height);
    placeCornerImages(step.imagesLeft >= 0 ? step.imagesLeft
                                           : cornerImagesLeft_ + step.imagesShift);
    if (step.done) {
        ExtOpen.stop();
    }
}

void Form2::ExtClose_Timer() {
    const PanelMotion::WidthStep step = PanelMotion::narrowStep(twipsGeometry().width, animated());
    resizeTwips(step.width, twipsGeometry().height);
    placeCornerImages(step.imagesLeft >= 0 ? step.imagesLeft
                                           : cornerImagesLeft_ + step.imagesShift);
    if (step.done) {
        ExtClose.stop();
    }
}

void Form2::CloseMe_Click() {
    OpenTimer.stop();
    ExtOpen.stop();
    ExtClose.stop();
    CloseTimer.start();
}

void Form2::OpenExtension_Click() {
    if (OpenTimer.isActive() || CloseTimer.isActive()) {
        return;
    }
    if (PanelMotion::arrowWidens(twipsGeometry().width)) {
        ExtClose.stop();
        ExtOpen.start();
    } else {
        ExtOpen.stop();
        ExtClose.start();
    }
}

void Form2::MatchReminder_Click() {
    std::string reminder = PanelTexts::reminderText(
        plain(DatePlayingText->caption()), plain(Against->caption()), plain(TeamName->caption()));
    ReminderMatch::AddReminder(program_, reminder);
}

void Form2::GroupCalender_Click() {
    CalenderParsing::OpenCalender(program_, PanelTexts::groupSelector(plain(TeamName->caption())));
}

void Form2::Calender_Click() {
    // Names no group, so every group's matches are shown.
    CalenderParsing::OpenCalender(program_, "Kim Dale");
}

void Form2::TeamNews_Click() {
    News::OpenTeamNews(program_.services().shell,
                       PanelTexts::teamNameOf(plain(TeamName->caption())));
}

bool Form2::animated() const {
    return program_.form1().Animated->caption() != QLatin1String("Animated? No");
}

void Form2::normaliseTitle() {
    TeamName->setCaption(qt(normaliseTeamName(plain(TeamName->caption()))));
}

void Form2::resizeTwips(int width, int height) {
    TwipsRect panel = twipsGeometry();
    panel.width = width;
    panel.height = height;
    setTwipsGeometry(panel);
    nameArrow();
}

void Form2::nameArrow() {
    const QString name =
        PanelMotion::arrowWidens(twipsGeometry().width) ? "Widen panel" : "Narrow panel";
    // Every size step comes here; screen readers hear only a real change.
    if (OpenExtension->accessibleName() != name) {
        OpenExtension->setAccessibleName(name);
    }
}

void Form2::placeCornerImages(int left) {
    cornerImagesLeft_ = left;
    placeTwips(CloseMe, left, 0, 255, 255);
    placeTwips(OpenExtension, left, 240, 255, 255);
}

void Form2::closeEvent(QCloseEvent* event) {
    // A close from the desktop goes the panel's own way, so the bar learns of it.
    event->ignore();
    CloseMe_Click();
}

void Form2::paintEvent(QPaintEvent*) {
    if (!background_) {
        return;
    }
    QPainter painter(this);
    // The bitmap is the widened panel; a narrow panel shows its left half.
    background_->render(&painter, QRectF(QPointF(0, 0), background_->defaultSize()));
}
