#include "team/form2.h"

#include "app/program.h"
#include "countdown/form1.h"
#include "widgets/caption_label.h"

Form2::Form2(Program& program) : program_(program) {
    setObjectName("Form2");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    TeamName = new CaptionLabel("", this);
    TeamName->setObjectName("TeamName");
    placeTwips(TeamName, 120, 0, 2600, 255);
}

Form2::~Form2() = default;

void Form2::Form_Load() {
    setTwipsGeometry({0, 0, 2790, 1440});
    MoveMe();
    program_.form1().FormTwoHWND = static_cast<int>(winId());
}

void Form2::Form_Unload() {
    if (Form1* bar = program_.loadedForm1()) {
        bar->FormTwoHWND = 0;
    }
}

void Form2::MoveMe() {
    const TwipsRect& bar = program_.form1().twipsGeometry();
    TwipsRect panel = twipsGeometry();
    panel.left = bar.left;
    panel.top = bar.top + bar.height;
    setTwipsGeometry(panel);
}
