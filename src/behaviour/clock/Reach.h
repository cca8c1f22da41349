// Whether a window can still be found and grabbed on the desktop, and where
// to bring it back when it cannot. A window partly over an edge stays where
// the user put it; only one with too little of it inside every work area
// (a removed monitor, a hand-edited or typed position) is moved.
#pragma once

#include <optional>
#include <vector>

#include "platform/ControlGeometry.h"

namespace talvorin {

// The part of a window, in pixels each way, that must lie inside one work
// area for the window to count as reachable (the whole window if smaller).
inline constexpr int32_t kReachablePart = 32;

// Where to move a lost window (its new outer top-left, size kept): fully into
// the nearest work area. Nothing when it is reachable, or when there are no
// work areas to measure against.
std::optional<PixelPoint> rescuedTopLeft(const PixelRect& frame,
                                         const std::vector<PixelRect>& workAreas);

}  // namespace talvorin
