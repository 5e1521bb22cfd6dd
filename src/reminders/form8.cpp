#include "reminders/form8.h"

#include "app/program.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"

namespace {

constexpr TwipsRect windowSize{0, 0, 6330, 2085};

CaptionLabel* makeLine(QWidget* parent, const char* name, const QString& caption, int left,
                       int top) {
    auto* label = new CaptionLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    QFont font("MS Sans Serif");
    font.setPointSizeF(9.75);
    label->setFont(font);
    placeTwips(label, left, top, 5925, 300);
    return label;
}

} // namespace

Form8::Form8(Program& program) : program_(program) {
    setObjectName("Form8");
    setWindowTitle("Match Reminder");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    Teams = makeLine(this, "Teams", "team vs team", 225, 210);
    DateAndTime = makeLine(this, "DateAndTime", "10/11/1988 10:00", 210, 675);
    Countdown = makeLine(this, "Countdown", "Playing 20 minutes...", 210, 1140);
    CloseMe = new HotArea(this);
    CloseMe->setObjectName("CloseMe");
    placeTwips(CloseMe, 6090, 15, 255, 255);
    CountTimer.setInterval(1000);
    connect(CloseMe, &HotArea::clicked, this, &Form8::CloseMe_Click);
    setAccessibleName(windowTitle());
    CloseMe->setAccessibleName("Close");
}

Form8::~Form8() = default;

void Form8::Form_Load() {
    setTwipsGeometry(windowSize);
    // Stopping the controller's reminder check for good belongs here; it
    // arrives together with the check.
    CountTimer.start();
    CloseMe->setPixmap(picture("Close"));
}

void Form8::CloseMe_Click() {
    close();
}
