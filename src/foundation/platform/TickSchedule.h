// A clock whose timer merely repeats every 1000 ms drifts against the wall
// clock and now and then shows a second twice or skips one. Runtimes instead
// arm a one-shot timer for just after the next wall-clock boundary.
#pragma once

#include <chrono>

namespace talvorin {

// A small margin past the boundary, so that a timer that fires a little early
// still reads the new second. Windows timers keep to the system tick (about
// 15.6 ms); a timer that keeps to the millisecond (Qt's precise timers) needs
// only a few, and every millisecond of margin is a millisecond the clock
// shows late.
inline constexpr std::chrono::milliseconds kTickMargin{15};
inline constexpr std::chrono::milliseconds kPreciseTickMargin{3};

// Time from `now` until `margin` after the next multiple of `interval` since the epoch.
std::chrono::milliseconds delayToNextTick(std::chrono::system_clock::time_point now,
                                          std::chrono::milliseconds interval,
                                          std::chrono::milliseconds margin = kTickMargin);

}  // namespace talvorin
