#include "platform/qt/QtFolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <cstring>

namespace talvorin {

namespace {

// Writes, new names and gone names; not reads, which the clock itself does.
constexpr uint32_t kChanges = IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_CREATE | IN_DELETE |
                              IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

QtFolderWatch::~QtFolderWatch() {
    stop();
}

void QtFolderWatch::stop() {
    delete notifier_;
    notifier_ = nullptr;
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

bool QtFolderWatch::watch(const std::string& folder, std::function<void()> changed,
                          const std::function<void(const std::string&)>& trace) {
    stop();
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0 || inotify_add_watch(fd_, folder.empty() ? "." : folder.c_str(), kChanges) < 0) {
        trace("changes in " + folder + " are not watched (" + std::strerror(errno) +
              "): its files are looked at every second");
        stop();
        return false;
    }
    changed_ = std::move(changed);
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, this, &QtFolderWatch::drain);
    return true;
}

void QtFolderWatch::drain() {
    // The events themselves do not matter, only that there were some.
    alignas(inotify_event) std::array<char, 4096> events{};
    while (read(fd_, events.data(), events.size()) > 0) {
    }
    if (changed_) changed_();
}

}  // namespace talvorin
