// The XDG autostart entry that makes a desktop start the program at login:
// where it lives and what it says. Pure, so the quoting is tested once.
#pragma once

#include <filesystem>
#include <string>

namespace talvorin {

// $XDG_CONFIG_HOME/autostart/talvorin.desktop, or ~/.config/... when the
// variable is unset, empty or relative (the base directory rules ignore a
// relative one). Both null or unusable: an empty path.
std::filesystem::path autostartEntryPath(const char* xdgConfigHome, const char* home);

// One argument of an Exec line: quoted, with the characters the quoting
// reserves escaped, then escaped again for the desktop file's string value.
std::string desktopExecArgument(const std::string& argument);

std::string autostartEntry(const std::string& programPath);

// Whether an entry's text asks to be started: a Hidden=true entry is one the
// user turned off in the desktop's own settings.
bool autostartEntryEnabled(const std::string& text);

}  // namespace talvorin
