// The form timer: a one-shot QTimer re-armed for just after each wall-clock
// boundary of its interval, and fired at once when the wall clock jumps.
#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <string>

#include "platform/Controls.h"
#include "platform/Design.h"

namespace talvorin {

class ClockChangeWatcher;
class FormWindow;

class QtTimer final : public Timer {
  public:
    QtTimer(FormWindow& window, const ControlDesign& design, ClockChangeWatcher& clockChanges);
    ~QtTimer() override;

    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;

  private:
    // Arms for the next period; the current one counts as shown.
    void arm();
    void armFrom(std::chrono::system_clock::time_point now);
    void expire();
    void fire();

    QPointer<FormWindow> window_;
    // A child of the window, so that it is freed with it even when this
    // adapter goes away from inside its own tick.
    QPointer<QTimer> timer_;
    QMetaObject::Connection clockChanged_;
    std::string name_;
    std::chrono::milliseconds interval_;
    bool enabled_ = false;
    std::int64_t shown_ = -1;  // period of the last tick delivered, or of the arming
};

}  // namespace talvorin
