#include "platform/TickSchedule.h"

namespace talvorin {

std::chrono::milliseconds delayToNextTick(std::chrono::system_clock::time_point now,
                                          std::chrono::milliseconds interval,
                                          std::chrono::milliseconds margin) {
    using namespace std::chrono;
    if (interval <= milliseconds::zero()) return margin;
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch());
    auto intoPeriod = sinceEpoch % interval;
    if (intoPeriod < milliseconds::zero()) intoPeriod += interval;
    return interval - intoPeriod + margin;
}

std::int64_t tickPeriod(std::chrono::system_clock::time_point now,
                        std::chrono::milliseconds interval) {
    using namespace std::chrono;
    if (interval <= milliseconds::zero()) return 0;
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    const auto length = interval.count();
    const auto period = sinceEpoch / length;
    return sinceEpoch % length < 0 ? period - 1 : period;
}

}  // namespace talvorin
