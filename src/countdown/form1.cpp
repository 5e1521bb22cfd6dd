#include "countdown/form1.h"

#include "app/program.h"
#include "countdown/day_counter.h"
#include "platform/clock.h"
#include "platform/instance.h"
#include "widgets/caption_label.h"
#include "widgets/hot_area.h"
#include "widgets/picture.h"

#include <QLineEdit>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int barWidth = 2790;
constexpr int barHeight = 450;
// The bar's right edge rests this far from the screen's right edge, plus its width.
constexpr int rightMargin = 3790;

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

} // namespace

Form1::Form1(Program& program)
    : program_(program), background_(new QSvgRenderer(QStringLiteral(":/background"), this)) {
    setObjectName("Form1");
    setWindowTitle("Countdown");
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    createElements();
    createTimers();
}

Form1::~Form1() = default;

void Form1::createElements() {
    CountdownDisplay = makeLabel(this, "CountdownDisplay", "~Countdown~", 120, 0, 2100, 255);
    NextMatch = makeLabel(this, "NextMatch", "~Match~", 120, 195, 1935, 255);
    setLabelLook(CountdownDisplay, QColor(0xff, 0xff, 0xff), 12, true);
    setLabelLook(NextMatch, QColor(0xff, 0xd8, 0x6b), 11, false);

    DateSearch = new QLineEdit("Search for a team...", this);
    DateSearch->setObjectName("DateSearch");
    placeTwips(DateSearch, 240, 75, 1755, 300);
    DateSearch->setStyleSheet("QLineEdit { color: #C0C0C0; }");
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

    // The hot areas lie over the labels, as they do on the bar's face.
    for (HotArea* area : {ExpandButton, CloseButton, Draggable, CloseSettings}) {
        area->raise();
    }
    Image1->lower();

    connect(CountdownDisplay, &CaptionLabel::captionChanged, this, &Form1::CountdownDisplay_Change);
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
    connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
}

void Form1::Form_Load() {
    if (program_.services().instance.anotherRunning()) {
        program_.end();
        return;
    }
    setTwipsGeometry({screenWidthTwips() - rightMargin, 0, barWidth, barHeight});
    NextMatch->setCaption("Germany Vs Costa Rica");
    opacityLevel_ = 255;
    Timer1.start();
}

void Form1::Timer1_Timer() {
    const DayCounterText text = dayCounter(program_.services().clock.now().date);
    dayCount_ = text.dayCount;
    CountdownDisplay->setCaption(QString::fromStdString(text.caption));
    CountdownDisplay->setToolTip(QString::fromStdString(text.tooltip));
}

void Form1::CountdownDisplay_Change() {
    Timer1.setInterval(10000);
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The bitmap covers the bar and both strips; the window shows as much of
    // it as its current size reveals.
    background_->render(&painter, QRectF(QPointF(0, 0), background_->defaultSize()));
}
