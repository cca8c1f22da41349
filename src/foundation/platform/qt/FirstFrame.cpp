#include "platform/qt/FirstFrame.h"

#include <malloc.h>

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace talvorin {

namespace {
constexpr int kLatestMs = 1500;
}

FirstFrame::FirstFrame() {
    QCoreApplication::instance()->installEventFilter(this);
    latest_.setSingleShot(true);
    connect(&latest_, &QTimer::timeout, this, [this] { drawn(); });
}

void FirstFrame::then(std::function<void()> step) {
    steps_.push_back(std::move(step));
    if (drawn_)
        QTimer::singleShot(0, this, [this] { runSteps(); });
    else if (!latest_.isActive())
        latest_.start(kLatestMs);
}

bool FirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow())
        drawn();
    return false;
}

void FirstFrame::drawn() {
    if (drawn_) return;
    drawn_ = true;
    latest_.stop();
    QCoreApplication::instance()->removeEventFilter(this);
    // Posted: the paint under way still has its flush to the screen to do.
    QTimer::singleShot(0, this, [this] { runSteps(); });
}

void FirstFrame::runSteps() {
    // A step may add another; it runs in this same pass.
    while (!steps_.empty()) {
        const std::function<void()> step = std::move(steps_.front());
        steps_.erase(steps_.begin());
        step();
    }
    // Starting up (Qt's platform set-up, the fonts, the icons) leaves freed
    // memory between live blocks, which the heap keeps for itself: a clock
    // that runs for days gives those pages back.
    malloc_trim(0);
}

}  // namespace talvorin
