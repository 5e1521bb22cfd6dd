#include "bar_fixture.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <qpa/qplatformnativeinterface.h>

// The offscreen platform's monitors, in pixels; the first keeps the default
// monitor's name, so it stays the primary one.
static void setMonitors(const QJsonArray& second) {
    QJsonArray screens{QJsonObject{{"name", ""}, {"width", 1280}, {"height", 800}}};
    if (!second.isEmpty()) {
        screens.append(QJsonObject{{"name", "second"},
                                   {"x", second[0]},
                                   {"y", second[1]},
                                   {"width", second[2]},
                                   {"height", second[3]}});
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Set = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"))(
        QJsonObject{{"screens", screens}}, native);
    QCoreApplication::processEvents();
}

// A second monitor right of the first and a little lower: the bar keeps to
// its edges, and comes back to the first when it goes.
TEST_F(BarTest, KeepsToTheMonitorThatHoldsItsCentre) {
    setMonitors({1280, 200, 1024, 768});
    Form1& bar = load("[Animated No]");
    const auto keptAt = [&](int left, int top) {
        bar.setTwipsGeometry({left, top, 2790, 450});
        QCoreApplication::processEvents();
        tick("Timer3", &Form1::Timer3_Timer);
        return std::pair{bar.twipsGeometry().left, bar.twipsGeometry().top};
    };
    EXPECT_EQ(keptAt(2304 * 15 - 2740, 3000), std::pair(2304 * 15 - 2790, 3001));
    EXPECT_EQ(keptAt(30000, 9000), std::pair(30000, 9000));
    const Form2& panel = openPanel(bar, "ge");
    EXPECT_EQ(panel.twipsGeometry().top, 9450) << "below: the lowest third is the monitor's";

    setMonitors({});
    tick("Timer3", &Form1::Timer3_Timer);
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{19200 - 2790, 9000, 2790, 450}));
    EXPECT_EQ(panel.twipsGeometry().left, bar.twipsGeometry().left);
}
