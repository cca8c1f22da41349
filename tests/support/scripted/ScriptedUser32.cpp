#include "ScriptedRuntime.h"
#include "base/Error.h"

namespace talvorin {

void ScriptedUser32::record(const char* function, std::vector<int64_t> args) {
    if (missing.count(function))
        throw RuntimeError(ErrorCode::EntryPointNotFound,
                           std::string("no entry point ") + function);
    calls.push_back({function, std::move(args)});
}

int32_t ScriptedUser32::GetWindowLongA(Hwnd hwnd, int32_t index) {
    record("GetWindowLongA", {static_cast<int64_t>(hwnd), index});
    ScriptedWindowState* window = runtime_.windowByHandle(hwnd);
    return window && index == kGwlExStyle ? window->exStyle : 0;
}

int32_t ScriptedUser32::SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) {
    record("SetWindowLongA", {static_cast<int64_t>(hwnd), index, newLong});
    ScriptedWindowState* window = runtime_.windowByHandle(hwnd);
    if (!window || index != kGwlExStyle) return 0;
    const int32_t previous = window->exStyle;
    window->exStyle = newLong;
    return previous;
}

int32_t ScriptedUser32::SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                                   uint32_t flags) {
    record("SetLayeredWindowAttributes", {static_cast<int64_t>(hwnd), colorKey, alpha, flags});
    ScriptedWindowState* window = runtime_.windowByHandle(hwnd);
    if (!window || !(window->exStyle & kWsExLayered)) return 0;
    window->layeredKey = colorKey;
    window->layeredAlpha = alpha;
    window->layeredFlags = flags;
    return 1;
}

int32_t ScriptedUser32::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx,
                                     int32_t cy, uint32_t flags) {
    record("SetWindowPos",
           {static_cast<int64_t>(hwnd), static_cast<int64_t>(insertAfter), x, y, cx, cy, flags});
    ScriptedWindowState* window = runtime_.windowByHandle(hwnd);
    if (!window) return 0;
    if (insertAfter == kHwndTopmost) window->topmost = true;
    if (insertAfter == kHwndNoTopmost) window->topmost = false;
    return 1;
}

}  // namespace talvorin
