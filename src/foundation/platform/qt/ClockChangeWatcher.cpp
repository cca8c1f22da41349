#include "platform/qt/ClockChangeWatcher.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

namespace talvorin {

ClockChangeWatcher::ClockChangeWatcher() {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) return;  // no clock-change news: the clock still ticks
    if (!arm()) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &ClockChangeWatcher::onReadable);
}

ClockChangeWatcher::~ClockChangeWatcher() {
    notifier_.reset();
    if (fd_ >= 0) ::close(fd_);
}

bool ClockChangeWatcher::arm() {
    // NOTE: an absolute CLOCK_REALTIME timer armed with TFD_TIMER_CANCEL_ON_SET
    // is cancelled whenever the realtime clock is set discontinuously, which
    // the kernel also does on resume. It never expires on its own: it is set
    // for the end of time, only to be cancelled.
    itimerspec expiry{};
    expiry.it_value.tv_sec = std::numeric_limits<time_t>::max();
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) == 0;
}

void ClockChangeWatcher::onReadable() {
    uint64_t expirations = 0;
    const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
    const bool clockWasSet = got < 0 && errno == ECANCELED;
    // A cancelled timer stays readable until it is armed again.
    arm();
    if (clockWasSet) emit changed();
}

}  // namespace talvorin
