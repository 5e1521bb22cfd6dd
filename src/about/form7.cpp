#include "about/form7.h"

#include "about/about_movie.h"
#include "app/program.h"
#include "build_config.h"
#include "platform/http.h"
#include "widgets/elements.h"
#include "widgets/picture.h"

#include <QFile>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int windowWidth = 5580;
constexpr int windowHeight = 3600;
constexpr const char* moviePath = "/images/flash/about.swf";

QByteArray builtInMovie() {
    QFile file(":/about");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Form7::Form7(Program& program) : program_(program) {
    setObjectName("Form7");
    setWindowTitle("About Kickoff Clock");
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);

    Label1 = new QLabel("About", this);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font("MS Sans Serif");
    font.setPointSize(12);
    font.setBold(true);
    Label1->setFont(font);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    Label1->setPalette(palette);
    placeTwips(Label1, 75, 90, 5430, 285);

    CloseMe = makeCloseButton(this, 5250, 105, &Form7::CloseMe_Click);
    CloseMe->setCursor(Qt::PointingHandCursor);

    ShockwaveFlash1 = new AboutMovie(this);
    ShockwaveFlash1->setObjectName("ShockwaveFlash1");
    ShockwaveFlash1->setAccessibleName("About animation");
    placeTwips(ShockwaveFlash1, 75, 450, 5430, 3075);
}

void Form7::Form_Load() {
    setTwipsGeometry({(screenWidthTwips() - windowWidth) / 2,
                      (screenHeightTwips() - windowHeight) / 2, windowWidth, windowHeight});
    CloseMe->setPixmap(picture("Close"));
    // The program's own copy plays at once; the site's takes over when it
    // arrives and is a movie we can play.
    ShockwaveFlash1->setMovie(builtInMovie());
    QPointer<AboutMovie> movie = ShockwaveFlash1;
    program_.services().http.getBytesLater(
        std::string(BuildConfig::siteUrl) + moviePath, [movie](std::optional<std::string> answer) {
            if (movie && answer) {
                movie->setMovie(QByteArray::fromStdString(*answer));
            }
        });
}

void Form7::CloseMe_Click() {
    close();
}

void Form7::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x0b, 0x1c, 0x2e));
    painter.setPen(QColor(0x1f, 0x7a, 0x3a));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
