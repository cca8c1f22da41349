#include "program/Transparence.h"

#include "program/ErrorBoundary.h"

namespace talvorin {

namespace {

// Runs one window-manager call and remembers, instead of raising, a failure
// to make it: the remaining calls still run, as the window may be usable.
template <typename Call>
void attempt(bool& failed, ErrorTrace& trace, Call&& call) noexcept {
    if (guardStep(trace, "window opacity", call)) failed = true;
}

}  // namespace

int32_t setTransparency(User32& user32, Hwnd hwnd, int16_t alpha, ErrorTrace& trace) noexcept {
    if (alpha < 0 || alpha > 255) return kTransparencyOutOfRange;
    bool failed = false;
    int32_t style = 0;
    attempt(failed, trace, [&] { style = user32.GetWindowLongA(hwnd, kGwlExStyle); });
    attempt(failed, trace, [&] { user32.SetWindowLongA(hwnd, kGwlExStyle, style | kWsExLayered); });
    attempt(failed, trace, [&] {
        user32.SetLayeredWindowAttributes(hwnd, 0, static_cast<uint8_t>(alpha), kLwaAlpha);
    });
    return failed ? kTransparencyFailed : kTransparencyApplied;
}

}  // namespace talvorin
