// Whether the window the window manager calls active is in full screen on
// the monitor a given window is on (_NET_ACTIVE_WINDOW, _NET_WM_STATE).
#pragma once

class QWidget;

namespace talvorin {

// False off X11, without a window manager that tells the active window, and
// when the active window is `window` itself.
bool x11FullScreenActiveOver(const QWidget& window);

}  // namespace talvorin
