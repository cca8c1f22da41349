// Paths travel through the program as UTF-8 text, whatever the system's code
// page: that is how they are shown (prompts, error lines), and the per-OS file
// layer turns them into what the system takes (UTF-16 on Windows).
#pragma once

#include <string>
#include <string_view>

namespace talvorin {

// `name` inside `folder`, with the system's separator.
std::string joinPath(std::string_view folder, std::string_view name);
// The folder part of a path ("" for a bare name), without the last separator.
std::string folderOf(std::string_view path);
// The last part of a path.
std::string nameOf(std::string_view path);

}  // namespace talvorin
