// The folder watch on Windows: a change notification on the folder
// (FindFirstChangeNotificationW), waited for by the message loop along with
// the messages. Nothing is asked of the file system while nothing changes,
// which matters on a roaming or network profile.
#pragma once

#include <functional>
#include <string>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class Win32FolderWatch {
  public:
    Win32FolderWatch() = default;
    ~Win32FolderWatch();
    Win32FolderWatch(const Win32FolderWatch&) = delete;
    Win32FolderWatch& operator=(const Win32FolderWatch&) = delete;

    // As FolderWatch::watchFolder; `trace` is told why a folder cannot be watched.
    bool watch(const std::string& folder, std::function<void()> changed,
               const std::function<void(const std::string&)>& trace);
    // The handle the message loop waits on; null while nothing is watched.
    HANDLE handle() const { return handle_; }
    // The handle was signalled: rearms it and tells the watcher.
    void signalled();

  private:
    void stop();

    HANDLE handle_ = nullptr;
    std::function<void()> changed_;
};

}  // namespace talvorin::win32
