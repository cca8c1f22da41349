// A QLabel showing the time, updated by a one-shot precise QTimer armed for
// the next wall-clock second: the least a Qt 6 Widgets clock can do, so the
// benchmark can tell the toolkit's own cost from the clock's.
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>

namespace {

// A plain repeating 1000 ms timer drifts against the wall clock; arming for
// the next boundary (plus 1 ms, so rounding never wakes us in the old
// second) is the floor any clock can reach.
int msToNextSecond()
{
    return 1000 - int(QDateTime::currentMSecsSinceEpoch() % 1000) + 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("bare-qt"));
    QFont font = label.font();
    font.setPointSize(36);
    label.setFont(font);
    label.setMargin(8);

    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    auto tick = [&] {
        label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
        timer.start(msToNextSecond());
    };
    QObject::connect(&timer, &QTimer::timeout, tick);
    tick();
    label.show();
    return app.exec();
}
