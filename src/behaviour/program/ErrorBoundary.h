// Where a failure stops going up: an event handler, a step the program can do
// without, a window-manager call. Every such place does the same three things:
// run the step; on failure leave one line in the error trace saying what failed
// and why; then the caller says, in its own code, whether it goes on or stops.
#pragma once

#include <optional>
#include <string>

#include "base/Error.h"
#include "platform/Runtime.h"

namespace talvorin {

// From inside a catch block: the trace gets "<what>: <why>". Never throws;
// with the trace itself failing (out of memory) there is nowhere left to tell.
void traceCurrentError(ErrorTrace& trace, const std::string& what) noexcept;

// From inside a catch block, the code of the error being handled: its own for a RuntimeError,
// "invalid procedure call" for anything the program did not raise itself.
ErrorCode currentErrorCode() noexcept;

// Runs `step`. Empty when it ran to its end; otherwise the failure, already
// traced under `what`, for the caller to go on past, stop on or keep.
template <typename Step>
std::optional<ErrorCode> guardStep(ErrorTrace& trace, const std::string& what,
                                   Step&& step) noexcept {
    try {
        step();
        return std::nullopt;
    } catch (...) {
        traceCurrentError(trace, what);
        return currentErrorCode();
    }
}

}  // namespace talvorin
