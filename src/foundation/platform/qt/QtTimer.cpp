#include "platform/qt/QtTimer.h"

#include "platform/TickSchedule.h"
#include "platform/qt/ClockChangeWatcher.h"
#include "platform/qt/FormWindow.h"

namespace talvorin {

QtTimer::QtTimer(FormWindow& window, const ControlDesign& design, ClockChangeWatcher& clockChanges)
    : window_(&window),
      timer_(new QTimer(&window)),
      name_(design.name),
      interval_(design.intervalMs) {
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, [this] { expire(); });
    clockChanged_ = QObject::connect(&clockChanges, &ClockChangeWatcher::changed, timer_, [this] {
        if (enabled_) fire();
    });
    setEnabled(design.enabled);
}

QtTimer::~QtTimer() {
    QObject::disconnect(clockChanged_);
    if (timer_) {
        timer_->stop();
        QObject::disconnect(timer_, nullptr, nullptr, nullptr);
        timer_->deleteLater();
    }
}

void QtTimer::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on)
        arm();
    else if (timer_)
        timer_->stop();
}

void QtTimer::arm() {
    const auto now = std::chrono::system_clock::now();
    shown_ = tickPeriod(now, interval_);
    armFrom(now);
}

void QtTimer::armFrom(std::chrono::system_clock::time_point now) {
    // A timer with no interval never fires, as on the platform it mimics.
    if (!timer_ || interval_.count() <= 0) return;
    timer_->start(delayToNextTick(now, interval_, kPreciseTickMargin));
}

void QtTimer::expire() {
    if (!enabled_) return;
    const auto now = std::chrono::system_clock::now();
    const std::int64_t period = tickPeriod(now, interval_);
    // Early: the second shown has not ended yet, so wait for the rest of it.
    if (period == shown_) return armFrom(now);
    fire();
}

void QtTimer::fire() {
    if (!enabled_) return;
    // Armed before the handler runs: the handler may disable the timer, or
    // unload the form and with it this adapter, so nothing here may follow it.
    arm();
    const std::string name = name_;
    const QPointer<FormWindow> window = window_;
    if (window) window->deliverTimer(name);
}

}  // namespace talvorin
