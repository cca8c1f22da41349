// Whether the foreground window fills the whole monitor a window is on: a
// game, a film or a presentation, not the desktop, the shell or a maximized
// window with its caption.
#pragma once

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

bool fullScreenInFrontOf(HWND window);

}  // namespace talvorin::win32
