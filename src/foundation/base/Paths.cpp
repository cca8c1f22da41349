#include "base/Paths.h"

namespace talvorin {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr std::string_view kSeparators = "\\/";
#else
constexpr char kSeparator = '/';
constexpr std::string_view kSeparators = "/";
#endif

}  // namespace

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && kSeparators.find(path.back()) == std::string_view::npos)
        path += kSeparator;
    path += name;
    return path;
}

std::string folderOf(std::string_view path) {
    const std::size_t cut = path.find_last_of(kSeparators);
    if (cut == std::string_view::npos) return "";
    // The root keeps its separator: the folder of "/x" is "/".
    return std::string(path.substr(0, cut == 0 ? 1 : cut));
}

std::string nameOf(std::string_view path) {
    const std::size_t cut = path.find_last_of(kSeparators);
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace talvorin
