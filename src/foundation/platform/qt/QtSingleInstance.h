// One clock per options file on Linux: an flock on a lock file in the user's
// runtime folder says who runs, a local socket beside it carries a later
// start's request to show. The kernel drops the lock when its holder dies,
// however it dies, so a killed clock never blocks the next start.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QLocalServer;

namespace talvorin {

class QtSingleInstance final : public QObject {
    Q_OBJECT
  public:
    QtSingleInstance();
    ~QtSingleInstance() override;
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    // As SingleInstance::claimInstance. `trace` receives errors that do not
    // stop the claim (the running clock did not answer, say).
    bool claim(const std::string& key, std::function<void()> onShowRequest,
               const std::function<void(const std::string&)>& trace);

  private:
    void listen(const QString& socketPath, const std::function<void(const std::string&)>& trace);
    void answerRequests();

    int lockFd_ = -1;
    QLocalServer* server_ = nullptr;
    std::function<void()> onShowRequest_;
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR, or a private
// /tmp/talvorin-<uid> checked to be the user's own. Raises when neither is usable.
std::string instanceFolder();

}  // namespace talvorin
