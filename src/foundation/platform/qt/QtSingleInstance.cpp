#include "platform/qt/QtSingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "base/Error.h"

namespace talvorin {

namespace {

// A later start must be gone within a second: this leaves it time to start.
constexpr int kAskForMs = 700;

[[noreturn]] void fail(const std::string& what, int error) {
    throw RuntimeError(ErrorCode::PathFileAccess, what + ": " + std::strerror(error));
}

bool privateFolder(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() &&
           (st.st_mode & 077) == 0;
}

// Asks the clock behind `socketPath` to show; it may still be between taking
// the lock and listening, so this tries again for a while.
bool askToShow(const QString& socketPath) {
    QElapsedTimer elapsed;
    elapsed.start();
    do {
        QLocalSocket socket;
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(200)) {
            socket.write("show\n");
            const bool sent = socket.waitForBytesWritten(200);
            socket.disconnectFromServer();
            if (sent) return true;
        }
        QThread::msleep(50);
    } while (elapsed.elapsed() < kAskForMs);
    return false;
}

}  // namespace

std::string instanceFolder() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && runtimeDir[0] == '/' && privateFolder(runtimeDir)) return runtimeDir;
    // Another user could have made the /tmp folder first: only our own,
    // closed to others, is used.
    const std::string folder = "/tmp/talvorin-" + std::to_string(getuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) fail("cannot create " + folder, errno);
    if (!privateFolder(folder))
        throw RuntimeError(ErrorCode::PermissionDenied,
                           folder + " is not a private folder of this user");
    return folder;
}

QtSingleInstance::QtSingleInstance() = default;

QtSingleInstance::~QtSingleInstance() {
    delete server_;  // removes its socket file
    if (lockFd_ >= 0) close(lockFd_);
}

bool QtSingleInstance::claim(const std::string& key, std::function<void()> onShowRequest,
                             const std::function<void(const std::string&)>& trace) {
    const std::string base = instanceFolder() + "/" + key;
    const std::string lockPath = base + ".lock";
    const int fd = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) fail("cannot open " + lockPath, errno);
    const QString socketPath = QFile::decodeName(QByteArray::fromStdString(base + ".socket"));
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        close(fd);
        if (error != EWOULDBLOCK) fail("cannot lock " + lockPath, error);
        if (!askToShow(socketPath))
            trace("the clock already running on this options file did not answer at " +
                  socketPath.toStdString());
        return false;
    }
    lockFd_ = fd;
    onShowRequest_ = std::move(onShowRequest);
    listen(socketPath, trace);
    return true;
}

void QtSingleInstance::listen(const QString& socketPath,
                              const std::function<void(const std::string&)>& trace) {
    // Holding the lock, any socket file there is a dead clock's.
    QLocalServer::removeServer(socketPath);
    server_ = new QLocalServer();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_, &QLocalServer::newConnection, this,
                     &QtSingleInstance::answerRequests);
    if (!server_->listen(socketPath))
        trace("a later start cannot ask this clock to show: " +
              server_->errorString().toStdString());
}

void QtSingleInstance::answerRequests() {
    // Any connection is the one request there is.
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        socket->abort();
        socket->deleteLater();
    }
    if (onShowRequest_) onShowRequest_();
}

}  // namespace talvorin
