// Starting at login on Windows: a value named for the program under the
// user's Run key, holding the quoted path of this executable.
#pragma once

namespace talvorin::win32 {

bool win32StartsAtLogin();
// Raises RuntimeError when the value cannot be written or removed.
void win32SetStartAtLogin(bool on);

}  // namespace talvorin::win32
