// The folder watch on Linux: one inotify watch on the folder itself, read
// on the event loop. A watch on the folder, not on the file, sees a file
// written in place and a file replaced by a rename alike, and costs nothing
// while nothing changes.
#pragma once

#include <QObject>
#include <functional>
#include <string>

class QSocketNotifier;

namespace talvorin {

class QtFolderWatch final : public QObject {
    Q_OBJECT
  public:
    QtFolderWatch() = default;
    ~QtFolderWatch() override;
    QtFolderWatch(const QtFolderWatch&) = delete;
    QtFolderWatch& operator=(const QtFolderWatch&) = delete;

    // As FolderWatch::watchFolder; `trace` is told why a folder cannot be watched.
    bool watch(const std::string& folder, std::function<void()> changed,
               const std::function<void(const std::string&)>& trace);

  private:
    void stop();
    void drain();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> changed_;
};

}  // namespace talvorin
