// Gives a window an overall opacity through the window manager's layered
// windows. It never raises: the result tells what happened.
#pragma once

#include <cstdint>

#include "platform/User32.h"

namespace talvorin {

inline constexpr int32_t kTransparencyApplied = 0;
inline constexpr int32_t kTransparencyOutOfRange = 1;
inline constexpr int32_t kTransparencyFailed = 2;

int32_t setTransparency(User32& user32, Hwnd hwnd, int16_t alpha) noexcept;

}  // namespace talvorin
