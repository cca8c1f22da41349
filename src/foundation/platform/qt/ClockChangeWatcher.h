// Tells when the wall clock jumps: the system time is set, or the machine
// resumes from sleep. Timers re-arm from a monotonic clock, so without this a
// clock would show a stale second until its next (now misplaced) tick.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace talvorin {

class ClockChangeWatcher final : public QObject {
    Q_OBJECT

  public:
    ClockChangeWatcher();
    ~ClockChangeWatcher() override;
    bool watching() const { return fd_ >= 0; }

  signals:
    void changed();

  private:
    bool arm();
    void onReadable();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace talvorin
