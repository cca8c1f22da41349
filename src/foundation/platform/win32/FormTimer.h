// A form's timer. Windows timers repeat at a fixed period and drift against
// the wall clock; this one is armed as a one-shot for just after the next
// wall-clock boundary of its interval (TickSchedule) and re-armed at each
// tick, so the seconds shown change with the real ones.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "platform/Controls.h"
#include "platform/Design.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class FormTimer final : public Timer {
  public:
    FormTimer(HWND owner, UINT_PTR id, const ControlDesign& design);
    ~FormTimer() override;
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override;

    const std::string& name() const { return name_; }
    UINT_PTR id() const { return id_; }
    // Arms the one-shot for the next period: on enabling, and on a clock
    // change (whose tick is delivered at once).
    void rearm();
    // On WM_TIMER: arms the next one-shot and says whether a new period
    // began since the last tick (a Windows timer may fire a tick early).
    bool expired();
    // The window is going; its timers went with it.
    void detach() { owner_ = nullptr; }

  private:
    void disarm();
    void armFrom(std::chrono::system_clock::time_point now);

    HWND owner_;
    UINT_PTR id_;
    std::string name_;
    std::chrono::milliseconds interval_;
    bool enabled_;
    std::int64_t shown_ = -1;  // period of the last tick delivered
};

}  // namespace talvorin::win32
