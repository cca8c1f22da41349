#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/Error.h"
#include "base/FileReplaceOs.h"

namespace talvorin::os {

namespace {

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

[[noreturn]] void fail(const char* step, int error) {
    throw RuntimeError(codeOf(error), step);
}

}  // namespace

void writeDurably(const std::filesystem::path& path, std::string_view bytes) {
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

void moveOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) fail("replace", errno);
}

}  // namespace talvorin::os
