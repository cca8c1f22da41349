#include "program/ErrorBoundary.h"

#include "base/ErrorText.h"

namespace talvorin {

void traceCurrentError(ErrorTrace& trace, const std::string& what) noexcept {
    try {
        trace.reportError(what + ": " + describeCurrentException());
    } catch (...) {
    }
}

ErrorCode currentErrorCode() noexcept {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e.code();
    } catch (...) {
        return ErrorCode::InvalidProcedureCall;
    }
}

}  // namespace talvorin
