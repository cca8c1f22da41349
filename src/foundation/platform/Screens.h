// The monitors as the core needs them to keep a window within reach: where
// each one's work area lies (the desktop less the task bars and panels), and
// the one DPI in which window positions are counted in twips on all of them.
#pragma once

#include <vector>

#include "platform/ControlGeometry.h"
#include "platform/User32.h"

namespace talvorin {

class Screens {
  public:
    virtual ~Screens() = default;
    // Every monitor's work area, in the screen pixels windows are placed in.
    // Empty when the window system tells none (then nothing is moved).
    virtual std::vector<PixelRect> workAreas() const = 0;
    // The DPI that converts window positions between twips and pixels on
    // every monitor: the system (primary) one. Positions saved on a monitor
    // of another DPI then reopen at the same place, as sizes and fonts still
    // follow the DPI of the window's own monitor.
    virtual double positionDpi() const = 0;
    // Whether the active window fills the whole monitor `window` is on (a
    // game, a film, a presentation): never the desktop, the shell or `window`.
    virtual bool fullScreenInFront(Hwnd window) const = 0;
};

}  // namespace talvorin
