// SIGTERM, SIGINT and SIGHUP as events of the Qt loop: the handler only
// writes one byte into a pipe (all a signal handler may safely do), and a
// socket notifier on the other end runs the core's request on the loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace talvorin {

class QtEndRequests {
  public:
    QtEndRequests() = default;
    ~QtEndRequests();
    QtEndRequests(const QtEndRequests&) = delete;
    QtEndRequests& operator=(const QtEndRequests&) = delete;

    // Raises when the pipe or a handler cannot be set up.
    void watch(std::function<void()> onEndRequest);

  private:
    void drain();
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onEndRequest_;
};

}  // namespace talvorin
