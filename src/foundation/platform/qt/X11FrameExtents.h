// The frame a window manager says it drew around a window (_NET_FRAME_EXTENTS).
#pragma once

#include <optional>

#include "platform/FramePlacement.h"

class QWidget;

namespace talvorin {

// nullopt off X11, or where the window manager has not published one.
std::optional<FrameInset> x11FrameExtents(QWidget& window);

}  // namespace talvorin
