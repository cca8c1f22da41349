// The services a runtime supplies to the core besides windows: message boxes,
// the application's identity, the clock, and control of the event loop.
// Each concept is its own small interface so that a piece of the core asks
// only for what it uses; a runtime implements them all through Runtime.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "platform/Design.h"
#include "platform/EndRequests.h"
#include "platform/FolderWatch.h"
#include "platform/Form.h"
#include "platform/HourCycle.h"
#include "platform/Screens.h"
#include "platform/SingleInstance.h"
#include "platform/StartAtLogin.h"
#include "platform/Tray.h"
#include "platform/User32.h"

namespace talvorin {

inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;
// Above every window, topmost ones included (MB_TOPMOST).
inline constexpr int vbSystemModal = 4096;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Modal. Returns the answer code (vbYes, vbNo, vbCancel, vbOK).
    virtual int msgBox(const std::string& prompt, int style, const std::string& title) = 0;
};

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

class Application {
  public:
    virtual ~Application() = default;
    // The executable's folder, in UTF-8.
    virtual std::string directory() const = 0;
    virtual Version version() const = 0;
};

// One reading of the local wall clock, so the time and date shown by one tick
// always belong to the same instant, even across midnight.
struct LocalTime {
    std::chrono::year_month_day date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
    // The user's locale's way with hours; the clock writes the time itself.
    virtual HourCycle hourCycle() const = 0;
    virtual std::string dateText(const LocalTime& t) const = 0;
};

// The error trace: one line for each error the user is not shown, saying
// what failed and why, so that a failed save can always be found out.
class ErrorTrace {
  public:
    virtual ~ErrorTrace() = default;
    virtual void reportError(const std::string& line) = 0;
};

class EventLoop {
  public:
    virtual ~EventLoop() = default;
    virtual void doEvents() = 0;  // run the pending events once
    virtual void end() = 0;       // close every window and end the program
    // Runs `step` from the event loop once the first window shown is on
    // screen (in order, and soon after if that has already happened): what
    // the first frame does not need waits, so the clock shows first.
    virtual void afterFirstPaint(std::function<void()> step) = 0;
};

class Runtime : public MessageBoxes,
                public Application,
                public Clock,
                public EventLoop,
                public ErrorTrace,
                public SingleInstance,
                public Screens,
                public Tray,
                public StartAtLogin,
                public FolderWatch,
                public EndRequests {
  public:
    // Builds the window and its controls from the design, hidden. Events go to `events`.
    virtual std::unique_ptr<FormView> createForm(const FormDesign& design, FormEvents& events) = 0;
    virtual User32& user32() = 0;
    // How far, in pixels, a pressed pointer moves before it drags instead
    // of clicking (SM_CXDRAG/SM_CYDRAG, QStyleHints::startDragDistance).
    virtual PixelPoint dragThreshold() const = 0;
};

}  // namespace talvorin
