#include "reminders/form8.h"

#include "app/program.h"
#include "platform/clock.h"
#include "reminders/reminder_rules.h"
#include "reminders/reminder_store_ui.h"
#include "update/download_estimate.h"
#include "widgets/caption_label.h"
#include "widgets/elements.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"

namespace {

constexpr int windowWidth = 6330;
constexpr int windowHeight = 2085;

CaptionLabel* makeLine(QWidget* parent, const char* name, const QString& caption, int left,
                       int top) {
    auto* label = new CaptionLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font("MS Sans Serif");
    font.setPointSizeF(9.75);
    label->setFont(font);
    // Light on the picture's dark bands.
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    placeTwips(label, left, top, 5925, 300);
    return label;
}

} // namespace

Form8::Form8(Program& program) : program_(program) {
    setObjectName("Form8");
    setBackground(":/BACKGROUND_Form8");
    setWindowTitle("Match Reminder");
    setAccessibleName("Match Reminder");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    Teams = makeLine(this, "Teams", "team vs team", 225, 210);
    DateAndTime = makeLine(this, "DateAndTime", "10/11/1988 10:00", 210, 675);
    Countdown = makeLine(this, "Countdown", "Playing 20 minutes...", 210, 1140);
    CloseMe = makeCloseButton(this, 6090, 15, &Form8::CloseMe_Click);
    // Restarted at every tick for the next turn of a second.
    nameTimer(CountTimer, this, "CountTimer");
    CountTimer.setSingleShot(true);
    CountTimer.setTimerType(Qt::PreciseTimer);
    connect(&CountTimer, &QTimer::timeout, this, &Form8::CountTimer_Timer);
}

Form8::~Form8() = default;

void Form8::Form_Load() {
    // Centred on the screen, where an alert is looked for.
    setTwipsGeometry({(screenWidthTwips() - windowWidth) / 2,
                      (screenHeightTwips() - windowHeight) / 2, windowWidth, windowHeight});
    // One alert (or the download) per run: the reminder check ends for good.
    if (ReminderStore* store = program_.loadedReminderStore()) {
        store->StopChecking();
    }
    startCountTimer();
    CloseMe->setPixmap(picture("Close"));
}

void Form8::showReminder(const ReminderMatch::ReminderAlert& alert) {
    show();
    raise();
    Teams->setCaption(QString::fromStdString(alert.teams));
    DateAndTime->setCaption(QString::fromStdString(alert.dateAndTime));
    Countdown->setCaption(QString::fromStdString(alert.kickOff));
    Setup();
}

void Form8::showDownload(const std::string& headline, const DownloadEstimate& estimate) {
    setAccessibleName(QString::fromStdString(headline));
    show();
    CountTimer.stop();
    DateAndTime->setCaption(QString::fromStdString(estimate.at56k));
    Countdown->setCaption(QString::fromStdString(estimate.at128k));
    Teams->setCaption(QString::fromStdString(headline));
}

void Form8::Setup() {
    kickOff_ = Countdown->caption().toStdString();
}

void Form8::startCountTimer() {
    CountTimer.start(ReminderMatch::nextCountdownTick(program_.services().clock.now()));
}

void Form8::CountTimer_Timer() {
    const auto text = ReminderMatch::countdownText(kickOff_, program_.services().clock.now());
    if (!text) {
        CountTimer.stop();
        return;
    }
    Countdown->setCaption(QString::fromStdString(text->caption));
    if (text->started) {
        CountTimer.stop();
    } else {
        startCountTimer();
    }
}

void Form8::CloseMe_Click() {
    close();
}

void Form8::closeEvent(QCloseEvent* event) {
    // Closed, the alert stays created (so the reminder check stays off) but
    // counts no more.
    CountTimer.stop();
    TwipsWindow::closeEvent(event);
}
