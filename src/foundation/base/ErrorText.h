// Errors the user is not shown still leave a line in the error trace. These
// turn an error into that line's reason, telling an ordinary failure (a full
// disk, a bad number) from a programming error or an exhausted memory.
#pragma once

#include <string>

#include "base/Error.h"

namespace talvorin {

// "disk full", "permission denied", ...
const char* errorReason(ErrorCode code);

// The exception being handled, as one line: "<what>: <reason> (error N)" for a
// RuntimeError, "programming error: <what>" for a std::logic_error, "out of
// memory" for std::bad_alloc. Call only from inside a catch block.
std::string describeCurrentException();

}  // namespace talvorin
