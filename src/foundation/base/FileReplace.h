// Replaces a file's whole content durably: the bytes go to a temporary file in
// the same folder, reach the disk, and then take the old file's place in one
// step. A failure at any point leaves the old file exactly as it was, removes
// the temporary file and raises RuntimeError (DiskFull, PermissionDenied,
// PathNotFound or PathFileAccess).
//
// A symbolic link is written through: the file it ends at is replaced in its
// own folder and the link stays. A read-only file is refused (PermissionDenied)
// as a plain overwrite would be, and a replaced file keeps its permissions.
#pragma once

#include <string>
#include <string_view>

namespace talvorin {

void replaceFile(const std::string& path, std::string_view bytes);

// Removes the temporary files that replaceFile left beside `path` (and beside
// the file a link at `path` ends at) when its process was killed mid-write:
// only names of its own pattern, and only of processes that are gone. Raises
// when one of them cannot be removed.
void removeLeftoverTemporaries(const std::string& path);

}  // namespace talvorin
