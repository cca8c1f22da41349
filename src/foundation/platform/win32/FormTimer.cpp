#include "platform/win32/FormTimer.h"

#include "platform/TickSchedule.h"

namespace talvorin::win32 {

namespace {

// Longer than one system timer tick (15.6 ms), far below anything a user
// would notice the window not answering.
constexpr std::chrono::milliseconds kLongestWaitInTick{20};

}  // namespace

FormTimer::FormTimer(HWND owner, UINT_PTR id, const ControlDesign& design)
    : owner_(owner),
      id_(id),
      name_(design.name),
      interval_(design.intervalMs),
      enabled_(design.enabled) {
    if (enabled_) rearm();
}

FormTimer::~FormTimer() {
    disarm();
}

void FormTimer::setEnabled(bool on) {
    if (on == enabled_) return;  // enabling a running timer does not restart it
    enabled_ = on;
    if (on)
        rearm();
    else
        disarm();
}

void FormTimer::rearm() {
    const auto now = std::chrono::system_clock::now();
    armFrom(now);
    shown_ = tickPeriod(now, interval_);
}

bool FormTimer::expired() {
    auto now = std::chrono::system_clock::now();
    if (tickPeriod(now, interval_) == shown_) {
        // Early. A timer is never armed for less than USER_TIMER_MINIMUM
        // (10 ms), so a few milliseconds short are waited here instead.
        const auto rest = delayToNextTick(now, interval_);
        if (rest <= kLongestWaitInTick) {
            Sleep(static_cast<DWORD>(rest.count()));
            now = std::chrono::system_clock::now();
        }
    }
    armFrom(now);
    const std::int64_t period = tickPeriod(now, interval_);
    if (period == shown_) return false;  // still early: armed for the rest of the period
    shown_ = period;
    return true;
}

void FormTimer::armFrom(std::chrono::system_clock::time_point now) {
    // An interval of 0 keeps the timer silent, as in the forms runtime.
    if (!owner_ || !enabled_ || interval_.count() <= 0) return disarm();
    // SetTimer on the same id replaces the pending one.
    const auto delay = delayToNextTick(now, interval_);
    SetTimer(owner_, id_, static_cast<UINT>(delay.count()), nullptr);
}

void FormTimer::disarm() {
    if (owner_) KillTimer(owner_, id_);
}

}  // namespace talvorin::win32
