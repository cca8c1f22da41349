// What the first frame does not need (the tray icon, the answer to a second
// start, the end-of-session watch), held until that frame is on the screen.
//
// Painted is not yet on the screen under Wine: a window's pixels reach the X
// server only when the thread waits, and only after the window manager has
// mapped it (drawing before that is lost, and redone on the Expose after).
// The steps run a moment after the first paint, and only from the program's
// own loop: run from a message box's loop, they would change the screen (a
// tray window of Wine's own, say) under the user's hands.
#pragma once

#include <chrono>
#include <functional>
#include <vector>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class FirstFrameSteps {
  public:
    // A step added once the frame is shown runs on the loop's next turn.
    void add(std::function<void()> step) { steps_.push_back(std::move(step)); }
    void painted();
    // From the program's own loop, before it waits or handles `msg`. A click
    // or a key does not wait for the moment after the paint: what it starts
    // may be a box whose loop the steps would wait on.
    void runIfDue(const MSG* msg = nullptr);
    // How long the loop may wait before the steps are due.
    DWORD waitLimit() const;
    // A first frame that never comes (a clock off every screen) holds them
    // no longer than one such wait.
    void runNow();

  private:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kAfterPaint{100};
    static constexpr std::chrono::milliseconds kUnpaintedLimit{1500};

    bool due(const MSG* msg) const;

    std::vector<std::function<void()>> steps_;
    enum class Frame { NotPainted, Painted, Shown } frame_ = Frame::NotPainted;
    Clock::time_point paintedAt_{};
};

}  // namespace talvorin::win32
