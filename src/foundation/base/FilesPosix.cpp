#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

#include "base/Error.h"
#include "base/Files.h"
#include "base/Paths.h"

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

// Closes on every way out, so a failed read or write never leaks the descriptor.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

DurableStepHook& durableStepHook() {
    static DurableStepHook hook;
    return hook;
}

// True, with errno set, when the hook fails this step.
bool failedByHook(DurableStep step, const std::string& path) {
    const DurableStepHook& hook = durableStepHook();
    if (!hook) return false;
    const int error = hook(step, path);
    if (error != 0) errno = error;
    return error != 0;
}

[[noreturn]] void failRead(int error) {
    if (error == ENOENT) throw RuntimeError(ErrorCode::FileNotFound, "file not found");
    fail("open", error);
}

void requireRegular(const struct stat& st, std::size_t maxBytes) {
    if (!S_ISREG(st.st_mode)) throw RuntimeError(ErrorCode::PathFileAccess, "not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        throw RuntimeError(ErrorCode::PathFileAccess,
                           "longer than " + std::to_string(maxBytes) + " bytes");
}

}  // namespace

void setDurableStepHook(DurableStepHook hook) {
    durableStepHook() = std::move(hook);
}

EntryKind entryKind(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return EntryKind::Missing;
        fail("look up", errno);
    }
    if (S_ISREG(st.st_mode)) return EntryKind::Regular;
    if (S_ISDIR(st.st_mode)) return EntryKind::Folder;
    if (S_ISLNK(st.st_mode)) return EntryKind::Link;
    return EntryKind::Other;
}

FileStamp stampOf(const std::string& path) noexcept {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return FileStamp{true, static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
                     static_cast<uint64_t>(st.st_size),
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

std::string readRegularFile(const std::string& path, std::size_t maxBytes) {
    // The type is checked before the open, which could wait forever on a
    // FIFO, and again on the open file, which may have been swapped meanwhile.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) failRead(errno);
    requireRegular(st, maxBytes);
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) failRead(errno);
    if (::fstat(fd.get(), &st) != 0) fail("open", errno);
    requireRegular(st, maxBytes);
    // One byte more than allowed tells a file that grew past the limit.
    std::string bytes(static_cast<std::size_t>(st.st_size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (bytes.size() > maxBytes)
                throw RuntimeError(ErrorCode::PathFileAccess,
                                   "longer than " + std::to_string(maxBytes) + " bytes");
            bytes.resize(std::min(maxBytes + 1, bytes.size() * 2));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail("read", errno);
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

void writeDurably(const std::string& path, std::string_view bytes) {
    if (failedByHook(DurableStep::Write, path)) fail("create", errno);
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (fd.get() < 0) fail("create", errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail("write", n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    if (failedByHook(DurableStep::SyncFile, path) || ::fsync(fd.get()) != 0) fail("sync", errno);
    if (::close(fd.release()) != 0) fail("close", errno);
}

void copyPermissions(const std::string& from, const std::string& to) {
    struct stat st {};
    if (::stat(from.c_str(), &st) != 0) return;
    if (::chmod(to.c_str(), st.st_mode & 07777) != 0) fail("keep the permissions", errno);
}

void refuseReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return;
    // Nobody may write it: the owner locked it, and that holds even for root,
    // who would otherwise overwrite anything.
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)
        throw RuntimeError(ErrorCode::PermissionDenied, "read-only file");
}

void moveOver(const std::string& from, const std::string& to) {
    if (failedByHook(DurableStep::Rename, to) || ::rename(from.c_str(), to.c_str()) != 0)
        fail("replace", errno);
}

bool moveIfFree(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST) return false;
    if (errno != EINVAL && errno != ENOSYS) fail("rename", errno);
    // A file system without RENAME_NOREPLACE: look, then rename.
    if (entryKind(to) != EntryKind::Missing) return false;
    moveOver(from, to);
    return true;
}

void syncFolder(const std::string& folder) {
    if (failedByHook(DurableStep::SyncFolder, folder)) fail("sync the folder", errno);
    Descriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) fail("open the folder", errno);
    // Some file systems cannot sync a folder (EINVAL); their renames are as
    // durable as they get.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) fail("sync the folder", errno);
}

bool removeFile(const std::string& path) noexcept {
    return ::unlink(path.c_str()) == 0;
}

std::string resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        if (entryKind(current) != EntryKind::Link) return current;
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0) fail("read the link", errno);
        target.resize(static_cast<std::size_t>(n));
        current = target.front() == '/' ? target : joinPath(folderOf(current), target);
    }
    fail("follow the links", ELOOP);
}

std::string canonicalPath(const std::string& path) noexcept {
    try {
        const std::string folder = folderOf(path);
        char* resolved = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
        if (!resolved) return path;
        const std::string full = joinPath(resolved, nameOf(path));
        std::free(resolved);
        return full;
    } catch (...) {
        return path;
    }
}

std::vector<std::string> folderEntries(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) fail("list the folder", errno);
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

bool folderWritable(const std::string& folder) noexcept {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

void createFolders(const std::string& folder) {
    if (folder.empty() || entryKind(folder) == EntryKind::Folder) return;
    const std::string parent = folderOf(folder);
    if (parent != folder) createFolders(parent);
    // Settings are private (XDG asks 0700 for the folders it creates).
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) fail("create the folder", errno);
}

std::string userSettingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return joinPath(config, "talvorin");
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    if (!home || home[0] != '/') return "";
    return joinPath(joinPath(home, ".config"), "talvorin");
}

std::vector<std::string> systemProgramFolders() {
#ifdef TALVORIN_INSTALL_BINDIR
    return {TALVORIN_INSTALL_BINDIR};
#else
    return {};
#endif
}

std::string adminSettingsFolder() {
    return "/etc/talvorin";
}

int processId() noexcept {
    return static_cast<int>(::getpid());
}

bool processAlive(int pid) noexcept {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

}  // namespace talvorin::os
