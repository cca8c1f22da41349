// Paths travel through the program as std::filesystem::path and are shown
// (prompts, error lines) as UTF-8, whatever the system's code page.
#pragma once

#include <filesystem>
#include <string>

namespace talvorin {

inline std::string utf8Path(const std::filesystem::path& path) {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace talvorin
