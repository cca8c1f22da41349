#include "platform/FileReplace.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>

#include "platform/Error.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace talvorin {

namespace fs = std::filesystem;

namespace {

// A name no other writer in the folder uses, so two copies of the program
// writing at once never share a temporary file.
fs::path temporaryBeside(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return tmp;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

#ifdef _WIN32

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

[[noreturn]] void fail(const char* what) {
    throw RuntimeError(codeOf(GetLastError()), std::string("cannot write the file: ") + what);
}

void writeDurably(const fs::path& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail("create");
    DWORD written = 0;
    const bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size() && FlushFileBuffers(file);
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!ok) {
        SetLastError(error ? error : ERROR_HANDLE_DISK_FULL);
        fail("write");
    }
}

void moveOver(const fs::path& from, const fs::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail("replace");
}

#else

ErrorCode codeOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return ErrorCode::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return ErrorCode::PermissionDenied;
        case ENOENT:
        case ENOTDIR:
            return ErrorCode::PathNotFound;
        default:
            return ErrorCode::PathFileAccess;
    }
}

[[noreturn]] void fail(const char* what, int error) {
    throw RuntimeError(codeOf(error), std::string("cannot write the file: ") + what);
}

void writeDurably(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) fail("create", errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            fail("write", error);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        fail("sync", error);
    }
    if (::close(fd) != 0) fail("close", errno);
}

void moveOver(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) fail("replace", errno);
}

#endif

}  // namespace

void replaceFile(const fs::path& path, std::string_view bytes) {
    const fs::path tmp = temporaryBeside(path);
    try {
        writeDurably(tmp, bytes);
        moveOver(tmp, path);
    } catch (...) {
        removeQuietly(tmp);
        throw;
    }
}

}  // namespace talvorin
