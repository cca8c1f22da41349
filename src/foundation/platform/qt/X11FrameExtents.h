// The frame a window manager says it drew around a window (_NET_FRAME_EXTENTS),
// and where the window's client area really stands.
#pragma once

#include <optional>

#include "platform/FramePlacement.h"

class QWidget;

namespace talvorin {

// nullopt off X11, or where the window manager has not published one.
std::optional<FrameInset> x11FrameExtents(QWidget& window);

// The client area's top-left on the screen as the X server has it now; Qt
// keeps the place it asked for until the window manager reports another,
// which some do not when they map a window again where it was (i3).
// nullopt off X11.
std::optional<PixelPoint> x11ClientTopLeft(QWidget& window);

}  // namespace talvorin
