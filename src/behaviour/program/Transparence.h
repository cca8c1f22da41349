// Gives a window an overall opacity through the window manager's layered
// windows. It never raises: the result tells what happened.
#pragma once

#include <cstdint>

#include "platform/Runtime.h"
#include "platform/User32.h"

namespace talvorin {

inline constexpr int32_t kTransparencyApplied = 0;
inline constexpr int32_t kTransparencyOutOfRange = 1;
inline constexpr int32_t kTransparencyFailed = 2;

// A call that fails to be made leaves its reason in `trace`.
int32_t setTransparency(User32& user32, Hwnd hwnd, int16_t alpha, ErrorTrace& trace) noexcept;

}  // namespace talvorin
