#include "platform/qt/QtSingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "base/Error.h"

namespace talvorin {

namespace {

// A later start must be gone within a second: this leaves it time to start.
constexpr std::chrono::milliseconds kAskFor{700};

[[noreturn]] void fail(const std::string& what, int error) {
    throw RuntimeError(ErrorCode::PathFileAccess, what + ": " + std::strerror(error));
}

// Whether `path` is a folder of this user's own (not a link), closed to
// others: made when missing and `make`, its mode closed when it was open.
// `why` says what is wrong otherwise.
bool ownPrivateFolder(const std::string& path, bool make, std::string& why) {
    if (make && mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
        why = path + " is not a folder of this user";
        return false;
    }
    if ((st.st_mode & 077) != 0 && chmod(path.c_str(), 0700) != 0) {
        why = path + " is open to others and cannot be closed: " + std::strerror(errno);
        return false;
    }
    return true;
}

// The user's cache folder holds the private one: it must be the user's and
// writable by no one else, or someone else could swap what is inside. It is
// left as it is otherwise.
bool safeParent(const std::string& path, std::string& why) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        why = path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() ||
        (st.st_mode & 022) != 0) {
        why = path + " is not a folder of this user closed to others' writes";
        return false;
    }
    return true;
}

std::string cacheFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    if (cache && cache[0] == '/') return cache;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache";
    return {};
}

// The socket's address: its path, or through the open folder when the path
// is longer than a socket address holds (a long $XDG_RUNTIME_DIR).
sockaddr_un socketAddress(const std::string& path, int folderFd, const std::string& name) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string text = path;
    if (text.size() >= sizeof(address.sun_path))
        text = "/proc/self/fd/" + std::to_string(folderFd) + "/" + name;
    if (text.size() >= sizeof(address.sun_path))
        throw RuntimeError(ErrorCode::PathFileAccess, "socket name too long: " + path);
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return address;
}

int localSocket() {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) fail("cannot make a local socket", errno);
    return fd;
}

// Asks the clock listening at `address` to show; it may still be between
// taking the lock and listening, so this tries again for a while.
bool askToShow(const sockaddr_un& address) {
    const auto until = std::chrono::steady_clock::now() + kAskFor;
    do {
        const int fd = localSocket();
        const bool sent =
            connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 &&
            send(fd, "show\n", 5, MSG_NOSIGNAL) == 5;
        close(fd);
        if (sent) return true;
        QThread::msleep(50);
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

}  // namespace

std::string instanceFolder() {
    std::string why;
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && runtimeDir[0] == '/' && ownPrivateFolder(runtimeDir, false, why))
        return runtimeDir;
    const std::string cache = cacheFolder();
    std::string alsoWhy = "no home folder";
    if (!cache.empty() && safeParent(cache, alsoWhy) &&
        ownPrivateFolder(cache + "/talvorin", true, alsoWhy))
        return cache + "/talvorin";
    // A user with neither (a system account without a home): the shared
    // temporary folder, where another user may have made the name first;
    // then the check below refuses it.
    const std::string shared = "/tmp/talvorin-" + std::to_string(getuid());
    if (ownPrivateFolder(shared, true, alsoWhy)) return shared;
    throw RuntimeError(ErrorCode::PermissionDenied, "no private folder for the lock: " +
                                                        (why.empty() ? "" : why + "; ") + alsoWhy);
}

QtSingleInstance::QtSingleInstance() = default;

QtSingleInstance::~QtSingleInstance() {
    delete requests_;
    if (serverFd_ >= 0) {
        close(serverFd_);
        if (folderFd_ >= 0) unlinkat(folderFd_, socketFile_.c_str(), 0);
    }
    if (folderFd_ >= 0) close(folderFd_);
    if (lockFd_ >= 0) close(lockFd_);
}

bool QtSingleInstance::claim(const std::string& key, std::function<void()> onShowRequest,
                             const std::function<void(const std::string&)>& trace) {
    const std::string folder = instanceFolder();
    const int folderFd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) fail("cannot open " + folder, errno);
    const std::string lockName = key + ".lock";
    const int fd =
        openat(folderFd, lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        const int error = errno;
        close(folderFd);
        fail("cannot open " + folder + "/" + lockName, error);
    }
    socketFile_ = key + ".socket";
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        if (error != EWOULDBLOCK) {
            close(folderFd);
            fail("cannot lock " + folder + "/" + lockName, error);
        }
        const std::string path = folder + "/" + socketFile_;
        const bool asked = askToShow(socketAddress(path, folderFd, socketFile_));
        close(folderFd);
        if (!asked)
            trace("the clock already running on this options file did not answer at " + path);
        return false;
    }
    lockFd_ = fd;
    folderFd_ = folderFd;
    onShowRequest_ = std::move(onShowRequest);
    socketPath_ = folder + "/" + socketFile_;
    return true;
}

void QtSingleInstance::listen(const std::function<void(const std::string&)>& trace) {
    if (lockFd_ < 0 || serverFd_ >= 0) return;
    const std::string& socketPath = socketPath_;
    try {
        const sockaddr_un address = socketAddress(socketPath, folderFd_, socketFile_);
        // Holding the lock, any socket file there is a dead clock's.
        unlinkat(folderFd_, socketFile_.c_str(), 0);
        serverFd_ = localSocket();
        if (bind(serverFd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
            ::listen(serverFd_, 4) != 0)
            fail("cannot listen at " + socketPath, errno);
    } catch (const std::exception& e) {
        if (serverFd_ >= 0) close(serverFd_);
        serverFd_ = -1;
        trace(std::string("a later start cannot ask this clock to show: ") + e.what());
        return;
    }
    requests_ = new QSocketNotifier(serverFd_, QSocketNotifier::Read);
    QObject::connect(requests_, &QSocketNotifier::activated, this,
                     &QtSingleInstance::answerRequests);
}

void QtSingleInstance::answerRequests() {
    // Any connection is the one request there is.
    int fd;
    while ((fd = accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) close(fd);
    if (onShowRequest_) onShowRequest_();
}

}  // namespace talvorin
