// Starting at login on a freedesktop desktop: an XDG autostart entry that
// runs this very program.
#pragma once

namespace talvorin {

bool qtStartsAtLogin();
// Raises RuntimeError when the entry cannot be written or removed.
void qtSetStartAtLogin(bool on);

}  // namespace talvorin
