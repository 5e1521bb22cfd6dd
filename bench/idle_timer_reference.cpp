#include <QApplication>
#include <QTimer>

// The yardstick for the bar's idle cost: a Qt program that does nothing but
// keep one 5 ms timer running, as an always-running Timer3 would.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(5);
    return QApplication::exec();
}
