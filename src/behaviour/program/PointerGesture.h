// The one rule for clicks and drags, whatever the runtime. A press that
// moves beyond the system's drag distance is no click: on a form whose
// surface drags the window it moves the window, elsewhere it is nothing. A
// press released without such a move, inside the client area, is a click on
// the label under the press point, or on the form's surface.
#pragma once

#include <optional>
#include <string>

#include "platform/Form.h"

namespace talvorin {

class PointerGesture {
  public:
    // `control`: what lies under the press point; `threshold`: the drag distance.
    void press(const PointerEvent& event, PixelPoint threshold, std::string control);
    // The window's new outer top-left when this move drags it.
    std::optional<PixelPoint> move(const PointerEvent& event, bool draggable);
    // The control clicked, when the release ends a click.
    std::optional<std::string> release(const PointerEvent& event);
    void cancel() { pressed_ = false; }

  private:
    bool beyondThreshold(PixelPoint screen) const;

    bool pressed_ = false;
    bool moved_ = false;  // went beyond the drag distance since the press
    PixelPoint start_{};
    PixelPoint windowStart_{};
    PixelPoint threshold_{};
    std::string control_;
};

}  // namespace talvorin
