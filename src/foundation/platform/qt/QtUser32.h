// The four user32 entry points the clock calls, emulated over the Qt window
// behind the handle: the extended style is a word kept per window, a layered
// window's alpha becomes the window opacity (_NET_WM_WINDOW_OPACITY on X11),
// its colour key clears the background behind the controls, and the topmost
// band is the window manager's "above" state. A handle that names no window
// fails with 0, as on Windows.
#pragma once

#include "platform/User32.h"

namespace talvorin {

class QtUser32 final : public User32 {
  public:
    int32_t GetWindowLongA(Hwnd hwnd, int32_t index) override;
    int32_t SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) override;
    int32_t SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                       uint32_t flags) override;
    int32_t SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                         uint32_t flags) override;
};

}  // namespace talvorin
