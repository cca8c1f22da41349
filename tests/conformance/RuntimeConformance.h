// One set of checks of the runtime interface, run on every runtime: the
// headless one, Qt and Win32 must answer the same call the same way. Each
// runtime's test supplies a harness that drives its event loop and its
// message boxes the way that runtime needs.
#pragma once

#include <chrono>
#include <string>

#include "platform/Runtime.h"

namespace talvorin::conformance {

struct ConformanceHarness {
    virtual ~ConformanceHarness() = default;
    virtual Runtime& runtime() = 0;
    // Runs the event loop this long (headless: simulated time passes).
    virtual void pump(std::chrono::milliseconds duration) = 0;
    // Presses the button with this label on the next message box opened.
    virtual void answerNextMessageBox(const std::string& buttonLabel) = 0;
    virtual void check(bool ok, const std::string& what) = 0;
    virtual void note(const std::string& text) = 0;
};

void runRuntimeConformance(ConformanceHarness& harness);

}  // namespace talvorin::conformance
