// A desktop clock belongs on every workspace and in no task bar or pager.
// Qt has no property for these window-manager states, so they are written as
// the EWMH says a client may: on the window while it is not mapped, just
// before each map (the window manager drops them when a window is withdrawn).
#pragma once

class QWidget;

namespace talvorin {

// Does nothing off X11 (the offscreen platform of the tests, for instance).
void markAsDesktopAccessory(QWidget& window);

}  // namespace talvorin
