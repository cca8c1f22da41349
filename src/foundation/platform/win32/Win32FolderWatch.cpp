#include "platform/win32/Win32FolderWatch.h"

#include "platform/win32/WideText.h"

namespace talvorin::win32 {

namespace {

// A file written, created, renamed or removed in the folder itself.
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;

}  // namespace

Win32FolderWatch::~Win32FolderWatch() {
    stop();
}

void Win32FolderWatch::stop() {
    if (handle_) FindCloseChangeNotification(handle_);
    handle_ = nullptr;
}

bool Win32FolderWatch::watch(const std::string& folder, std::function<void()> changed,
                             const std::function<void(const std::string&)>& trace) {
    stop();
    HANDLE h =
        FindFirstChangeNotificationW(widen(folder.empty() ? "." : folder).c_str(), FALSE, kChanges);
    if (h == INVALID_HANDLE_VALUE) {
        trace("changes in " + folder + " are not watched (error " + std::to_string(GetLastError()) +
              "): its files are looked at every second");
        return false;
    }
    handle_ = h;
    changed_ = std::move(changed);
    return true;
}

void Win32FolderWatch::signalled() {
    if (!handle_) return;
    if (!FindNextChangeNotification(handle_)) stop();  // the folder went: no more notices
    if (changed_) changed_();
}

}  // namespace talvorin::win32
