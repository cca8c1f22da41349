#include <windows.h>

#include <string>

#include "base/Error.h"
#include "base/FileReplaceOs.h"

namespace talvorin::os {

namespace {

ErrorCode codeOf(DWORD error) {
    switch (error) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ErrorCode::DiskFull;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_SHARING_VIOLATION:
            return ErrorCode::PermissionDenied;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return ErrorCode::PathNotFound;
        default:
            return ErrorCode::PathFileAccess;
    }
}

[[noreturn]] void fail(const char* step, DWORD error) {
    throw RuntimeError(codeOf(error), step);
}

}  // namespace

void writeDurably(const std::filesystem::path& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail("create", GetLastError());
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) fail("write", error ? error : ERROR_HANDLE_DISK_FULL);
}

void moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("replace", GetLastError());
}

}  // namespace talvorin::os
