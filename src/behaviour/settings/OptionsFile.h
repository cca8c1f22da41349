// The options file: 15 CR LF lines, six fixed headers and nine values known by
// their line number, so a user can read and edit it by hand. Formatting and
// splitting work on text in memory; the file itself is read in one go (never
// more than kMaxOptionsBytes) and replaced in one step, never left half written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ClockSettings.h"

namespace talvorin {

inline constexpr const char* kOptionsFileName = "tl_options.txt";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr int kOptionsLineCount = 15;
// Far beyond any hand-edited file; anything longer is not an options file.
inline constexpr std::size_t kMaxOptionsBytes = 64 * 1024;

std::string optionsPath(const std::string& folder);

// The 15 lines, each ended by CR LF.
std::string formatOptions(const ClockSettings& s);

// Up to maxLines lines without their terminators. CR LF, a lone LF and a lone
// CR each end a line; a last line without a terminator still counts.
std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines);

// The first 15 lines of the options file (fewer when it is shorter). Raises
// FileNotFound when it is missing and PathFileAccess when it is no regular
// file or is longer than kMaxOptionsBytes.
std::vector<std::string> readOptionLines(const std::string& path);

// Writes the record to the file through replaceFile (all or nothing).
void writeOptions(const std::string& path, const ClockSettings& s);

// Moves a file that failed to load out of the way by renaming it, which needs
// neither reading it nor disk space: to <name>.bak, over an older .bak only
// when that is a plain file, else to the first free <name>.bak1, .bak2, ...
// Returns the name it now has, "" when there was nothing at `path`. Raises
// when it cannot be moved; it is then left exactly as it was.
std::string setAsideOptions(const std::string& path);

}  // namespace talvorin
