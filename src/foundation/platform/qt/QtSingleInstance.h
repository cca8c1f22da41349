// One clock per options file on Linux: an flock on a lock file in a folder
// only this user owns says who runs, a local socket beside it carries a
// later start's request to show. The kernel drops the lock when its holder
// dies, however it dies, so a killed clock never blocks the next start; and
// no other user can make or hold the folder, so none can switch the rule off.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QSocketNotifier;

namespace talvorin {

class QtSingleInstance final : public QObject {
    Q_OBJECT
  public:
    QtSingleInstance();
    ~QtSingleInstance() override;
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    // As SingleInstance::claimInstance, but only the lock: requests come in
    // once listen() has run. `trace` receives errors that do not stop the
    // claim (the running clock did not answer, say).
    bool claim(const std::string& key, std::function<void()> onShowRequest,
               const std::function<void(const std::string&)>& trace);
    // A later start meanwhile asks again for a while (kAskFor).
    void listen(const std::function<void(const std::string&)>& trace);

  private:
    void answerRequests();

    int lockFd_ = -1;
    int folderFd_ = -1;  // the folder, for socket names too long for a path
    int serverFd_ = -1;
    std::string socketFile_;  // removed at the end
    std::string socketPath_;
    QSocketNotifier* requests_ = nullptr;
    std::function<void()> onShowRequest_;
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR, or else
// talvorin in the user's cache folder ($XDG_CACHE_HOME, ~/.cache), and only
// for a user with neither, /tmp/talvorin-<uid>; each must be a folder of
// this user's own, whose mode is closed to others when it was not. Raises
// when none is usable.
std::string instanceFolder();

}  // namespace talvorin
