#include "base/ErrorText.h"

#include <exception>
#include <new>
#include <stdexcept>

namespace talvorin {

const char* errorReason(ErrorCode code) {
    switch (code) {
        case ErrorCode::InvalidProcedureCall:
            return "invalid procedure call";
        case ErrorCode::Overflow:
            return "overflow";
        case ErrorCode::TypeMismatch:
            return "not a number";
        case ErrorCode::FileNotFound:
            return "file not found";
        case ErrorCode::DiskFull:
            return "disk full";
        case ErrorCode::InputPastEnd:
            return "input past end of file";
        case ErrorCode::PermissionDenied:
            return "permission denied";
        case ErrorCode::PathFileAccess:
            return "path/file access error";
        case ErrorCode::PathNotFound:
            return "path not found";
        case ErrorCode::InvalidPropertyValue:
            return "invalid property value";
        case ErrorCode::EntryPointNotFound:
            return "entry point not found";
    }
    return "error";
}

std::string describeCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        const std::string reason = errorReason(e.code());
        const std::string what = e.what() == reason ? "" : std::string(e.what()) + ": ";
        return what + reason + " (error " + std::to_string(static_cast<int>(e.code())) + ")";
    } catch (const std::bad_alloc&) {
        return "out of memory";
    } catch (const std::logic_error& e) {
        return std::string("programming error: ") + e.what();
    } catch (const std::exception& e) {
        return std::string("unexpected error: ") + e.what();
    } catch (...) {
        return "unexpected error of unknown type";
    }
}

}  // namespace talvorin
