// The name of the claim a running clock holds on its options file.
#pragma once

#include <string>

namespace talvorin {

// "talvorin-" and 16 hex digits of a hash of the file's full path, so that
// every start on one file agrees on it whatever its working directory, and
// the name fits any system's rules for mutexes, sockets and file names.
std::string instanceKey(const std::string& optionsFile);

}  // namespace talvorin
