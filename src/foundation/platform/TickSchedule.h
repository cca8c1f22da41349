// A clock whose timer merely repeats every 1000 ms drifts against the wall
// clock and now and then shows a second twice or skips one. Runtimes instead
// arm a one-shot timer for just after the next wall-clock boundary.
#pragma once

#include <chrono>
#include <cstdint>

namespace talvorin {

// A small margin past the boundary: every millisecond of it is a millisecond
// the clock shows late. A timer that still fires early (Windows timers keep
// to the system tick, about 15.6 ms) finds its period not begun
// (tickPeriod) and is armed again for the rest of it, rather than showing
// the same second twice.
inline constexpr std::chrono::milliseconds kTickMargin{2};
inline constexpr std::chrono::milliseconds kPreciseTickMargin{1};

// Time from `now` until `margin` after the next multiple of `interval` since the epoch.
std::chrono::milliseconds delayToNextTick(std::chrono::system_clock::time_point now,
                                          std::chrono::milliseconds interval,
                                          std::chrono::milliseconds margin = kTickMargin);

// The number of whole `interval`s since the epoch at `now` (floored, so
// before the epoch too). A tick is due when this differs from the last
// delivered tick's; an interval of 0 or less is always period 0.
std::int64_t tickPeriod(std::chrono::system_clock::time_point now,
                        std::chrono::milliseconds interval);

}  // namespace talvorin
