#include "platform/Transparence.h"

namespace talvorin {

namespace {

// Runs one window-manager call and remembers, instead of raising, a failure
// to make it: the remaining calls still run, as the window may be usable.
template <typename Call>
void attempt(bool& failed, Call&& call) noexcept {
    try {
        call();
    } catch (...) {
        failed = true;
    }
}

}  // namespace

int32_t setTransparency(User32& user32, Hwnd hwnd, int16_t alpha) noexcept {
    if (alpha < 0 || alpha > 255) return kTransparencyOutOfRange;
    bool failed = false;
    int32_t style = 0;
    attempt(failed, [&] { style = user32.GetWindowLongA(hwnd, GWL_EXSTYLE); });
    attempt(failed, [&] { user32.SetWindowLongA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED); });
    attempt(failed, [&] {
        user32.SetLayeredWindowAttributes(hwnd, 0, static_cast<uint8_t>(alpha), LWA_ALPHA);
    });
    return failed ? kTransparencyFailed : kTransparencyApplied;
}

}  // namespace talvorin
