// Every failure in the program is one typed error carrying a number, so that a
// handler can tell an overflow from a missing file the way the forms runtime
// it was written for did, and tests can check which failure happened.
#pragma once

#include <stdexcept>
#include <string>

namespace talvorin {

enum class ErrorCode : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    TypeMismatch = 13,
    FileNotFound = 53,
    DiskFull = 61,
    InputPastEnd = 62,
    PermissionDenied = 70,
    PathFileAccess = 75,
    PathNotFound = 76,
    InvalidPropertyValue = 380,
    EntryPointNotFound = 453,
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(ErrorCode code, const std::string& what) : std::runtime_error(what), code_(code) {}
    ErrorCode code() const noexcept { return code_; }

  private:
    ErrorCode code_;
};

}  // namespace talvorin
