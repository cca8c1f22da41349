// The two steps of a durable replacement that each operating system does its
// own way. Both raise RuntimeError with the code of the system's error.
#pragma once

#include <filesystem>
#include <string_view>

namespace talvorin::os {

// Creates `path` (it must not exist), writes the bytes and flushes them to disk.
void writeDurably(const std::filesystem::path& path, std::string_view bytes);
// Puts `from` in the place of `to` in one step, replacing it.
void moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace talvorin::os
