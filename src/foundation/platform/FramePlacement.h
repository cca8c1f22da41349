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

class FramePlacement {
  public:
    // The client-area place of a request for the outer top-left `outer`, the
    // one to hand to the window system. Before anything is learnt, `outer`.
    PixelPoint askFor(PixelPoint outer);
    // Learns from the client area's first place after the map; `published`
    // is the frame the window manager says it drew, when it says so.
    void learn(PixelPoint client, std::optional<FrameInset> published);
    bool learnt() const { return learnt_; }
    // A move asked of the mapped window was carried out, the client area now
    // at `client`: some managers treat such a move unlike the first place
    // (i3 frames the first place asked, but puts the client area at a later one).
    void observe(PixelPoint request, PixelPoint client);
    // The outer top-left of a client area standing at `client`.
    PixelPoint outerOf(PixelPoint client) const;

  private:
    std::optional<PixelPoint> asked_;
    bool learnt_ = false;
    FrameInset frame_;  // from the client area to the outer frame
    FrameInset shift_;  // from the place asked to the client area given
};

}  // namespace talvorin
