// Painting without flicker: every WM_PAINT of the program draws into a memory
// bitmap first and copies it to the window in one step, as the clock redraws
// its labels every second.
#pragma once

#include <functional>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

// Handles WM_PAINT for `hwnd`; `paint` draws the whole client area.
void paintBuffered(HWND hwnd, const std::function<void(HDC)>& paint);

// The window class of labels with a transparent background. Such a label
// shows whatever its form paints beneath it, its own text included: it asks
// the form for its picture with WM_PRINTCLIENT. Mouse input passes through
// to the form, which decides what a press on the label means.
void registerLabelClass(HINSTANCE instance);

}  // namespace talvorin::win32
