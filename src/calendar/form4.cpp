#include "calendar/form4.h"

#include "app/program.h"
#include "calendar/day_label.h"
#include "calendar/form5.h"
#include "calendar/hover_line.h"
#include "calendar/knockout_pages.h"
#include "platform/window_effects.h"
#include "widgets/button_label.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/picture.h"

#include <QMouseEvent>

using CalenderParsing::CalendarPage;
using CalenderParsing::StageView;

namespace {

constexpr TwipsRect windowSize{0, 0, 6960, 3675};

const LabelLook titleLook{QColor(0xff, 0xff, 0xff), 15, false};
const LabelLook panelLook{QColor(0x10, 0x2a, 0x44), 15, false};
const LabelLook dayLook{QColor(0x10, 0x2a, 0x44), 11, false};
const LabelLook buttonLook{QColor(0xff, 0xff, 0xff), 13, false};

} // namespace

Form4::Form4(Program& program) : program_(program) {
    setObjectName("Form4");
    setBackground(":/BACKGROUND_Form4");
    setWindowFlags(Qt::FramelessWindowHint);
    TwipsRect place = windowSize;
    place.left = (screenWidthTwips() - place.width) / 2;
    place.top = (screenHeightTwips() - place.height) / 2;
    setTwipsGeometry(place);

    Month = makeLabel<CaptionLabel>(this, "Month", CalenderParsing::designTitle, titleLook, 1080,
                                    15, 4800, 255);
    Month->setAlignment(Qt::AlignCenter);
    connect(Month, &CaptionLabel::captionChanged, this, &Form4::Month_Change);
    Month_Change();

    PrevMonth = makeHotArea(this, "PrevMonth", 1680, 45, 375, 240);
    PrevMonth->setAccessibleName("Previous month");
    NextMonth = makeHotArea(this, "NextMonth", 4920, 60, 375, 240);
    NextMonth->setAccessibleName("Next month");
    CloseMe = makeCloseButton(this, 6675, 45, &Form4::CloseMe_Click);
    connect(PrevMonth, &HotArea::clicked, this, &Form4::PrevMonth_Click);
    connect(NextMonth, &HotArea::clicked, this, &Form4::NextMonth_Click);
    for (HotArea* image : {PrevMonth, NextMonth, CloseMe}) {
        image->setCursor(Qt::PointingHandCursor);
    }

    Label1 = makeLabel<CaptionLabel>(
        this, "Label1", "Click each day for more in-deapth information about the matches.",
        panelLook, 3120, 2400, 3705, 735);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MatchDay = makeLabel<CaptionLabel>(this, "MatchDay", "Monday 14th 2006", panelLook, 120, 2820,
                                       1770, 255);
    createDays();
    createButtons();
}

Form4::~Form4() = default;

void Form4::createDays() {
    for (int d = 1; d <= CalenderParsing::dayCount; ++d) {
        const int column = (d - 1) % 7;
        const int row = (d - 1) / 7;
        auto* day = makeLabel<DayLabel>(this, "Day", CalenderParsing::bareDayText(d).c_str(),
                                        dayLook, 113 + 960 * column, 360 + 480 * row, 975, 495);
        day->setCursor(Qt::PointingHandCursor);
        days_[static_cast<std::size_t>(d - 1)] = day;
        connect(day, &DayLabel::clicked, this, [this, d] { Day_Click(d); });
        connect(day, &DayLabel::hovered, this, [this, d] { Day_MouseMove(d); });
    }
    // June has no 31st: it is grey from the start.
    Day(CalenderParsing::dayCount)->showDay("31.", true);
}

void Form4::createButtons() {
    static const char* const groupNames[] = {"ChangeGroupA", "ChangeGroupB", "ChangeGroupC",
                                             "ChangeGroupD", "ChangeGroupE", "ChangeGroupF",
                                             "ChangeGroupG", "ChangeGroupH"};
    static const char* const selectors[] = {"(group A)", "(group B)", "(group C)", "(group D)",
                                            "(group E)", "(group F)", "(group G)", "(group H)"};
    static constexpr int lefts[] = {60, 1005, 2040, 3000, 3960, 60, 990, 1965};
    auto button = [this](const char* name, const QString& caption, int left, int top, int width) {
        auto* label =
            makeLabel<ButtonLabel>(this, name, caption, buttonLook, left, top, width, 240);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setAccessibleName(caption);
        return label;
    };
    for (std::size_t i = 0; i < ChangeGroup.size(); ++i) {
        const QString caption = QString("Group ") + QChar('A' + static_cast<int>(i));
        ChangeGroup[i] = button(groupNames[i], caption, lefts[i], i < 5 ? 3120 : 3360, 885);
        const char* selector = selectors[i];
        connect(ChangeGroup[i], &ButtonLabel::clicked, this,
                [this, selector] { ChangeGroup_Click(selector); });
    }
    ChangeGroupAll = button("ChangeGroupAll", "All Groups", 3000, 3360, 915);
    connect(ChangeGroupAll, &ButtonLabel::clicked, this,
            [this] { ChangeGroup_Click(CalenderParsing::allGroupsMarker); });
    Stage1 = button("Stage1", "Stage 1", 5265, 3120, 1320);
    connect(Stage1, &ButtonLabel::clicked, this, &Form4::Stage1_Click);
    Stage2 = button("Stage2", "Stage 2", 5280, 3360, 1320);
    connect(Stage2, &ButtonLabel::clicked, this, &Form4::Stage2_Click);
}

void Form4::Form_Load() {
    StageView = StageView::GroupStage;
    CloseMe->setPixmap(picture("Close"));
}

CalendarPage Form4::page() const {
    CalendarPage page;
    page.title = Month->caption().toStdString();
    page.view = StageView;
    for (int d = 1; d <= CalenderParsing::dayCount; ++d) {
        page.day(d) = {Day(d)->caption().toStdString(), Day(d)->isGrey()};
    }
    return page;
}

void Form4::showPage(const CalendarPage& page) {
    for (int d = 1; d <= CalenderParsing::dayCount; ++d) {
        Day(d)->showDay(QString::fromStdString(page.day(d).text), page.day(d).grey);
    }
    StageView = page.view;
    Month->setCaption(QString::fromStdString(page.title));
}

template <typename Rule> void Form4::change(Rule rule) {
    CalendarPage current = page();
    rule(current);
    showPage(current);
}

void Form4::Month_Change() {
    setWindowTitle(Month->caption());
    setAccessibleName(Month->caption());
}

void Form4::ChangeGroup_Click(const char* selector) {
    Form_Load();
    change([&](CalendarPage& page) {
        KnockOutPages::groupButton(page, program_.groupTables(), selector);
    });
}

void Form4::Day_Click(int index) {
    if (StageView != StageView::GroupStage) {
        return;
    }
    // An open match day window closes even when this click opens none.
    program_.unloadForm5();
    const QString text = Day(index)->caption();
    if (text.size() <= 3) {
        return;
    }
    program_.form5().ShowMatchDay(text.toStdString());
}

void Form4::Day_MouseMove(int index) {
    const auto line =
        CalenderParsing::hoverLine(Month->caption().toStdString(), index,
                                   Day(index)->caption().toStdString(), Day(index)->isGrey());
    if (line) {
        MatchDay->setCaption(QString::fromStdString(*line));
    }
}

void Form4::NextMonth_Click() {
    change(KnockOutPages::NextMonth);
}

void Form4::PrevMonth_Click() {
    change([this](CalendarPage& page) { KnockOutPages::PrevMonth(page, program_.groupTables()); });
}

void Form4::Stage1_Click() {
    change([this](CalendarPage& page) { KnockOutPages::Stage1(page, program_.groupTables()); });
}

void Form4::Stage2_Click() {
    change(KnockOutPages::Stage2);
}

void Form4::CloseMe_Click() {
    program_.unloadForm4();
}

void Form4::mousePressEvent(QMouseEvent* event) {
    // Borderless, the window is moved by its background.
    if (event->button() == Qt::LeftButton) {
        program_.services().windowEffects.startSystemMove(*this);
    }
}
