// Where the program runs from and which version it is. The version is read
// from the executable's own VERSIONINFO, the same numbers Explorer shows in
// the file's properties, which CMake writes from the project's version.
#pragma once

#include <optional>
#include <string>

#include "platform/Runtime.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

std::wstring executablePath();
// Its folder, without a trailing separator.
std::wstring executableFolder();
// FILEVERSION of a module's VERSIONINFO resource (null: this executable).
std::optional<Version> moduleVersion(HMODULE module);
// The compiled-in version when the resource cannot be read.
Version executableVersion();

}  // namespace talvorin::win32
