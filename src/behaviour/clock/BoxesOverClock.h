// The program's own message boxes while the clock is always on top: the
// clock (and the dialog, which then stays on top too) would cover a box in
// the ordinary band, so the boxes go into the topmost band as well.
#pragma once

#include "platform/Runtime.h"

namespace talvorin {

class BoxesOverClock final : public MessageBoxes {
  public:
    BoxesOverClock(MessageBoxes& boxes, bool clockOnTop) : boxes_(boxes), onTop_(clockOnTop) {}
    int msgBox(const std::string& prompt, int style, const std::string& title) override {
        return boxes_.msgBox(prompt, onTop_ ? style | vbSystemModal : style, title);
    }

  private:
    MessageBoxes& boxes_;
    bool onTop_;
};

}  // namespace talvorin
