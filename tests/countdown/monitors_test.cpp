#include "bar_fixture.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <qpa/qplatformnativeinterface.h>

#include <initializer_list>
#include <utility>

namespace {

// Gives the offscreen platform these monitors, in pixels; the first keeps the
// default monitor's name, so it stays the primary one.
void setMonitors(std::initializer_list<QRect> areas) {
    QJsonArray screens;
    for (const QRect& area : areas) {
        screens.append(QJsonObject{{"name", screens.isEmpty() ? "" : "second"},
                                   {"x", area.x()},
                                   {"y", area.y()},
                                   {"width", area.width()},
                                   {"height", area.height()}});
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Set = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    const auto set =
        reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"));
    ASSERT_TRUE(set);
    set(QJsonObject{{"screens", screens}}, native);
    QCoreApplication::processEvents();
}

} // namespace

// A second monitor right of the first and a little lower: the bar keeps to
// its edges, and comes back to the first when it goes.
TEST_F(BarTest, KeepsToTheMonitorThatHoldsItsCentre) {
    setMonitors({{0, 0, 1280, 800}, {1280, 200, 1024, 768}});
    Form1& bar = load("[Animated No]");
    const auto keptAt = [&](int left, int top) {
        bar.setTwipsGeometry({left, top, 2790, 450});
        QCoreApplication::processEvents();
        tick(bar.Timer3, &Form1::Timer3_Timer);
        return std::pair{bar.twipsGeometry().left, bar.twipsGeometry().top};
    };
    const int right = 2304 * 15, bottom = 968 * 15;
    EXPECT_EQ(keptAt(22500, 6000), std::pair(22500, 6000));
    EXPECT_EQ(keptAt(right - 2740, 6000), std::pair(right - 2790, 6000));
    EXPECT_EQ(keptAt(22500, 3000), std::pair(22500, 3001));
    EXPECT_EQ(keptAt(22500, 14000), std::pair(22500, bottom - 900));

    // Above the lowest third of the second monitor, though not of the first.
    keptAt(30000, 9000);
    const Form2& panel = openPanel(bar, "ge");
    EXPECT_EQ(panel.twipsGeometry().top, 9450) << "the panel below the bar";

    setMonitors({{0, 0, 1280, 800}});
    tick(bar.Timer3, &Form1::Timer3_Timer);
    EXPECT_EQ(bar.twipsGeometry(), (TwipsRect{19200 - 2790, 9000, 2790, 450}));
    EXPECT_EQ(panel.twipsGeometry().left, bar.twipsGeometry().left);
}
