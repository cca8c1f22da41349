// Tells a click from a drag on a window that has no title bar. A press that
// moves beyond the system's drag distance becomes a drag that moves the window;
// a press and release without such a move is a click. Coordinates are screen
// pixels; the runtime feeds the events and applies the result.
#pragma once

#include <cstdint>
#include <optional>

namespace talvorin {

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

class DragGesture {
  public:
    // dragX/dragY: the system's drag thresholds in pixels (SM_CXDRAG, startDragDistance).
    DragGesture(int32_t dragX, int32_t dragY) : dragX_(dragX), dragY_(dragY) {}

    void press(PixelPoint cursor, PixelPoint windowTopLeft);
    // While pressed: the window's new top-left once the press has become a drag.
    std::optional<PixelPoint> move(PixelPoint cursor);
    // True when the press ended as a click.
    bool release();
    bool pressed() const { return pressed_; }
    void cancel() { pressed_ = dragging_ = false; }

  private:
    int32_t dragX_;
    int32_t dragY_;
    bool pressed_ = false;
    bool dragging_ = false;
    PixelPoint start_{};
    PixelPoint windowStart_{};
};

}  // namespace talvorin
