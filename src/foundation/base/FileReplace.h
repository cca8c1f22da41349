// Replaces a file's whole content durably: the bytes go to a temporary file in
// the same folder, reach the disk, and then take the old file's place in one
// step. A failure at any point leaves the old file exactly as it was, removes
// the temporary file and raises RuntimeError (DiskFull, PermissionDenied,
// PathNotFound or PathFileAccess).
#pragma once

#include <filesystem>
#include <string_view>

namespace talvorin {

void replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace talvorin
