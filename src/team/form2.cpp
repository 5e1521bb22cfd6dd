#include "team/form2.h"

#include "app/program.h"
#include "calendar/calendar_page.h"
#include "calendar/open_calender_ui.h"
#include "platform/clock.h"
#include "platform/window_effects.h"
#include "reminders/reminder_store_ui.h"
#include "schedule/fixture_lookup.h"
#include "schedule/roster.h"
#include "settings/settings_toggles_ui.h"
#include "team/news_ui.h"
#include "team/panel_host.h"
#include "team/panel_motion.h"
#include "team/panel_texts.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"
#include "widgets/qt_text.h"

#include <QCloseEvent>

namespace {

constexpr int designHeight = 1440;
constexpr int cornerImagesStart = 2385;

const LabelLook titleLook{QColor(0xff, 0xff, 0xff), 14, true};
const LabelLook headingLook{QColor(0xff, 0xd8, 0x6b), 11, false};
const LabelLook matchLook{QColor(0xff, 0xff, 0xff), 12, true};
const LabelLook detailLook{QColor(0xe8, 0xee, 0xf4), 11, false};
const LabelLook buttonLook{QColor(0xff, 0xff, 0xff), 10, false};

std::string plain(const QString& text) {
    return text.toStdString();
}

} // namespace

Form2::Form2(Program& program) : program_(program), host_(program.panelHost()) {
    setObjectName("Form2");
    // The bitmap is the widened panel; a narrow panel shows its left half.
    setBackground(":/BACKGROUND_Form2");
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

    CloseMe = makeCloseButton(this, cornerImagesStart, 0, &Form2::CloseMe_Click);
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
    nameArrow();
    // Whatever writes the match into these labels also makes them seen.
    for (CaptionLabel* label : {Against, Stad, DatePlayingText}) {
        connect(label, &CaptionLabel::captionChanged, label, &QWidget::show);
    }
    connect(OpenExtension, &HotArea::clicked, this, &Form2::OpenExtension_Click);
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
    makeTimer(ParseMatchs, this, "ParseMatchs", 1000, &Form2::ParseMatchs_Timer);
    makeTimer(OpenTimer, this, "OpenTimer", 4, &Form2::OpenTimer_Timer);
    makeTimer(CloseTimer, this, "CloseTimer", 4, &Form2::CloseTimer_Timer);
    makeTimer(ExtOpen, this, "ExtOpen", 4, &Form2::ExtOpen_Timer);
    makeTimer(ExtClose, this, "ExtClose", 4, &Form2::ExtClose_Timer);
}

void Form2::Form_Load() {
    const TwipsWindow& bar = host_.barWindow();
    host_.panelLoaded(static_cast<int>(winId()));

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
    host_.panelClosed();
}

void Form2::MoveMe() {
    const TwipsWindow& bar = host_.barWindow();
    const TwipsRect& barGeometry = bar.twipsGeometry();
    TwipsRect panel = twipsGeometry();
    panel.left = barGeometry.left;
    panel.top = PanelMotion::panelGoesAbove(barGeometry.top, bar.monitorTwips())
                    ? barGeometry.top - panel.height
                    : barGeometry.top + barGeometry.height;
    setTwipsGeometry(panel);
}

void Form2::showTeam(const QString& typed) {
    TeamName->setCaption(typed);
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
    TeamName->setCaption(toQString(title + next.groupSuffix));
    const PanelTexts::NextMatch match = PanelTexts::nextMatch(*next.slot, next.opponent);
    DatePlayingText->setCaption(toQString(match.datePlaying));
    Against->setCaption(toQString(match.against));
    setPlainToolTip(
        Against, toQString(PanelTexts::againstTooltip(plain(TeamName->caption()), match.against)));
    Stad->setCaption(toQString(match.stad));
    setPlainToolTip(Stad, toQString(match.stadTooltip));
    Loadingtext->hide();
    OpenExtension->show();
}

// When movements overlap, closing wins over everything: a CloseMe click stops
// the other three. The arrow reverses a widening or narrowing under way
// (starting one stops the other) and is ignored while the panel grows or
// shrinks, so the corner images never move without the width.

void Form2::OpenTimer_Timer() {
    const TwipsRect& panel = twipsGeometry();
    const SizeStep step = PanelMotion::openStep(panel.width, panel.height, animated());
    resizeTwips(step.width, step.height);
    if (step.done) {
        host_.panelOpened();
        OpenTimer.stop();
    }
}

void Form2::CloseTimer_Timer() {
    const TwipsRect& panel = twipsGeometry();
    const SizeStep step = PanelMotion::closeStep(panel.width, panel.height, animated());
    if (!step.done) {
        resizeTwips(step.width, step.height);
        return;
    }
    CloseTimer.stop();
    program_.unloadForm2(); // this window is gone from here on
}

void Form2::ExtOpen_Timer() {
    widthStep(ExtOpen, PanelMotion::widenStep(twipsGeometry().width, animated()));
}

void Form2::ExtClose_Timer() {
    widthStep(ExtClose, PanelMotion::narrowStep(twipsGeometry().width, animated()));
}

void Form2::widthStep(QTimer& timer, const PanelMotion::WidthStep& step) {
    resizeTwips(step.width, twipsGeometry().height);
    placeCornerImages(step.imagesLeft >= 0 ? step.imagesLeft
                                           : cornerImagesLeft_ + step.imagesShift);
    if (step.done) {
        timer.stop();
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
    program_.reminderStore().AddReminder(reminder);
}

void Form2::GroupCalender_Click() {
    CalenderParsing::OpenCalender(program_, PanelTexts::groupSelector(plain(TeamName->caption())));
}

void Form2::Calender_Click() {
    // Names no group, so every group's matches are shown.
    CalenderParsing::OpenCalender(program_, CalenderParsing::allGroupsMarker);
}

void Form2::TeamNews_Click() {
    News::OpenTeamNews(program_.services().shell,
                       PanelTexts::teamNameOf(plain(TeamName->caption())));
}

bool Form2::animated() const {
    return program_.settings().animated();
}

void Form2::normaliseTitle() {
    TeamName->setCaption(toQString(normaliseTeamName(plain(TeamName->caption()))));
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
