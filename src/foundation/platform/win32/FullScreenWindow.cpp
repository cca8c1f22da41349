#include "platform/win32/FullScreenWindow.h"

namespace talvorin::win32 {

namespace {

bool isDesktop(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    // The desktop's icons live in a WorkerW once the wallpaper slides.
    return lstrcmpW(name, L"WorkerW") == 0 || lstrcmpW(name, L"Progman") == 0;
}

}  // namespace

bool fullScreenInFrontOf(HWND window) {
    HWND front = GetForegroundWindow();
    if (!front || front == window || isDesktop(front)) return false;
    const LONG style = GetWindowLongW(front, GWL_STYLE);
    if (IsZoomed(front) && (style & WS_CAPTION) == WS_CAPTION) return false;
    HMONITOR monitor = MonitorFromWindow(front, MONITOR_DEFAULTTONULL);
    if (!monitor || monitor != MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)) return false;
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT frame{};
    if (!GetMonitorInfoW(monitor, &info) || !GetWindowRect(front, &frame)) return false;
    return frame.left <= info.rcMonitor.left && frame.top <= info.rcMonitor.top &&
           frame.right >= info.rcMonitor.right && frame.bottom >= info.rcMonitor.bottom;
}

}  // namespace talvorin::win32
