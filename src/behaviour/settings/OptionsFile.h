// The options file: 15 CR LF lines beside the program, six fixed headers and
// nine values known by their line number, so a user can read and edit it by
// hand. Formatting and splitting work on text in memory; the file itself is
// read in one go and replaced in one step, never left half written.
#pragma once

#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ClockSettings.h"

namespace talvorin {

inline constexpr const char* kOptionsFileName = "tl_options.txt";
inline constexpr const char* kBackupSuffix = ".bak";
inline constexpr int kOptionsLineCount = 15;

std::filesystem::path optionsPath(const std::filesystem::path& directory);

// The 15 lines, each ended by CR LF.
std::string formatOptions(const ClockSettings& s);

// Up to maxLines lines without their terminators. CR LF, a lone LF and a lone
// CR each end a line; a last line without a terminator still counts. Reading
// stops after maxLines, so a huge file costs no more than its first lines.
std::vector<std::string> readLines(std::istream& in, std::size_t maxLines);
std::vector<std::string> splitLines(std::string_view bytes, std::size_t maxLines);

// The first 15 lines of the options file (fewer when it is shorter). Raises
// FileNotFound when it is missing and PathFileAccess when it cannot be read.
std::vector<std::string> readOptionLines(const std::filesystem::path& path);

// The whole file as bytes, with the same errors.
std::string readFileBytes(const std::filesystem::path& path);

// Writes the record to the file through replaceFile (all or nothing).
void writeOptions(const std::filesystem::path& path, const ClockSettings& s);

// Keeps a copy of the file as <name>.bak beside it. Returns false, and
// changes nothing, when there is no file; raises when it cannot be copied.
bool backupOptions(const std::filesystem::path& path);

}  // namespace talvorin
