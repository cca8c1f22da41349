// Moving and sizing a window to a rectangle in one call.
#pragma once

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

// `r` in the parent's client coordinates (the screen's for a top-level
// window); the z-order and the active window stay as they are.
inline void moveWindowTo(HWND hwnd, const RECT& r) {
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace talvorin::win32
