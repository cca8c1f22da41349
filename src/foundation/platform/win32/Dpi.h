// The real DPI of a window's monitor and the metrics that depend on it. The
// per-monitor functions appeared in Windows 10 (1607); they are looked up at
// run time so the program still starts where they are missing, at the
// system DPI.
#pragma once

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

inline constexpr UINT kDefaultDpi = 96;

UINT dpiForWindow(HWND hwnd);
// The system DPI: the primary monitor's at logon, the one window positions
// are converted with on every monitor.
UINT systemDpi();
// The outer rectangle of a window whose client area is `client`.
RECT outerRectForClient(RECT client, DWORD style, DWORD exStyle, UINT dpi);
// The system's message-box and dialog font (NONCLIENTMETRICS lfMessageFont) at `dpi`.
LOGFONTW messageFont(UINT dpi);

}  // namespace talvorin::win32
