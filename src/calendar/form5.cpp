#include "calendar/form5.h"

#include "app/program.h"
#include "calendar/form4.h"
#include "settings/settings_toggles_ui.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {

const LabelLook dateLook{QColor(0xff, 0xff, 0xff), 15, true};
const LabelLook titleLook{QColor(0xff, 0xd8, 0x6b), 15, false};
const LabelLook timeLook{QColor(0xe8, 0xee, 0xf4), 12, false};
const LabelLook teamLook{QColor(0xff, 0xff, 0xff), 12, false};
const LabelLook vsLook{QColor(0xff, 0xd8, 0x6b), 12, true};

// Element names by row: title, time, first team, "Vs.", second team.
struct RowNames {
    const char* title;
    const char* time;
    const char* team1;
    const char* vs;
    const char* team2;
    int top; // of the title; the other labels follow at fixed offsets
};
constexpr RowNames rowNames[MatchDay::maxRows] = {
    {"Label1", "Time1", "Team1A", "Vs1", "Team2A", 360},
    {"Label5", "Time2", "Team1B", "Vs2", "Team2B", 1440},
    {"Label2", "Time3", "Team1C", "Label4", "Team2C", 2625},
    {"Label8", "Time4", "Team1D", "Label10", "Team2D", 3750},
    {"Label13", "Time5", "Team1E", "Label15", "Team2E", 4785},
};

// The background picture, repeated down the window.
constexpr QPoint pictureCopies[] = {{0, 0}, {-2, 171}, {-3, 305}};

// A team label grows to its name, as wide as it needs.
void fitWidth(CaptionLabel* label) {
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

} // namespace

Form5::Form5(Program& program)
    : program_(program), background_(new QSvgRenderer(QStringLiteral(":/BACKGROUND_Form5"), this)) {
    setObjectName("Form5");
    setWindowTitle("Match Day Information");
    setAccessibleName("Match Day Information");
    setWindowFlags(Qt::FramelessWindowHint);
    Date = makeLabel<CaptionLabel>(this, "Date", "Date", dateLook, 30, 15, 2385, 255);
    for (std::size_t row = 0; row < MatchDay::maxRows; ++row) {
        createRow(row);
    }
    CloseMe = makeCloseButton(this, 1890, 45, &Form5::CloseMe_Click);
    CloseMe->setCursor(Qt::PointingHandCursor);
    makeTimer(CloseTimer, this, "CloseTimer", 1, &Form5::CloseTimer_Timer);
}

Form5::~Form5() = default;

void Form5::createRow(std::size_t row) {
    const RowNames& names = rowNames[row];
    const int top = names.top;
    makeLabel<CaptionLabel>(this, names.title, QString("Match %1").arg(row + 1), titleLook, 45, top,
                            825, 255);
    Time[row] = makeLabel<CaptionLabel>(this, names.time, "00:00", timeLook, row == 2 ? 945 : 960,
                                        top + 30, 465, 225);
    Team1[row] =
        makeLabel<CaptionLabel>(this, names.team1, "Team1", teamLook, 165, top + 240, 615, 225);
    auto* vs = makeLabel<CaptionLabel>(this, names.vs, "Vs.", vsLook, 165, top + 480, 825, 255);
    vs->setAlignment(Qt::AlignCenter);
    Team2[row] =
        makeLabel<CaptionLabel>(this, names.team2, "Team1", teamLook, 165, top + 720, 615, 225);
}

void Form5::Form_Load() {
    CloseMe->setPixmap(picture("Close"));
}

void Form5::ShowMatchDay(const std::string& dayText) {
    const MatchDay::DayMatches day = MatchDay::readDayText(dayText);
    const int rows = static_cast<int>(day.rows.size());
    if (rows == 0) {
        program_.unloadForm5(); // nothing readable to show
        return;
    }
    Date->setCaption(QString::fromStdString(day.date));
    for (std::size_t row = 0; row < day.rows.size(); ++row) {
        const MatchDay::MatchRow& match = day.rows[row];
        Time[row]->setCaption(QString::fromStdString(match.time));
        Team1[row]->setCaption(QString::fromStdString(match.team1));
        Team2[row]->setCaption(QString::fromStdString(match.team2));
        fitWidth(Team1[row]);
        fitWidth(Team2[row]);
    }
    const Form4* calendar = program_.loadedForm4();
    setTwipsGeometry(MatchDay::besideCalendar(calendar ? calendar->twipsGeometry() : TwipsRect{},
                                              rows, screenWidthTwips()));
    show();
}

void Form5::CloseMe_Click() {
    CloseTimer.start();
}

void Form5::CloseTimer_Timer() {
    const TwipsRect& now = twipsGeometry();
    const MatchDay::ShrinkStep step =
        MatchDay::shrinkStep(now.width, now.height, program_.settings().animated());
    if (step.unload) {
        CloseTimer.stop();
        program_.unloadForm5();
        return;
    }
    setTwipsGeometry({now.left, now.top, step.width, step.height});
}

void Form5::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (QPoint at : pictureCopies) {
        background_->render(&painter, QRectF(at, background_->defaultSize()));
    }
}
