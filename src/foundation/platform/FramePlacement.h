// Where a window manager puts a top-level window, learnt from what it did.
// Positions the program keeps are those of the outer frame, as the user sees
// the window. Window managers differ: some publish their frame's size
// (_NET_FRAME_EXTENTS), some do not; some put the frame where the program
// asked, some put the client area there. The first place a window is given
// after its map tells which: the offset between the place asked and the
// place given is kept and applied both ways, so a window put back where it
// was read stands there again, at every start.
#pragma once

#include <optional>

#include "platform/ControlGeometry.h"

namespace talvorin {

// How far the client area's top-left lies inside the outer frame's.
struct FrameInset {
    int32_t left = 0;
    int32_t top = 0;
};

// A place asked as the window is mapped, or as a move of the mapped window:
// managers may treat them apart (i3 frames the place a map asks, but puts the
// client area at the place a move asks, and publishes no frame).
enum class Ask { Map, Move };

class FramePlacement {
  public:
    // The client-area place of a request for the outer top-left `outer`, the
    // one to hand to the window system. Before anything is learnt, `outer`.
    PixelPoint askFor(PixelPoint outer, Ask ask);
    // Learns from the client area's first place after the map; `published`
    // is the frame the window manager says it drew, when it says so.
    void learn(PixelPoint client, std::optional<FrameInset> published);
    bool learnt() const { return learnt_; }
    // A move `request` of the mapped window was carried out, the client area
    // now at `client`: moves are asked the same way from then on.
    void observe(PixelPoint request, PixelPoint client);
    // The outer top-left of a client area standing at `client`.
    PixelPoint outerOf(PixelPoint client) const;

  private:
    std::optional<PixelPoint> asked_;
    bool learnt_ = false;
    FrameInset frame_;      // from the client area to the outer frame
    FrameInset mapShift_;   // from the place a map asked to the client area given
    FrameInset moveShift_;  // the same for a move
};

}  // namespace talvorin
