#include "platform/win32/ShowDesktop.h"

#include <algorithm>
#include <cwchar>

namespace talvorin::win32 {

namespace {

// The hook's callback has no context argument; one runtime, one watcher.
ShowDesktop* watcher = nullptr;

constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

}  // namespace

bool isShownDesktop(HWND window) {
    wchar_t name[16] = {};
    if (!window || !GetClassNameW(window, name, 16)) return false;
    if (std::wcscmp(name, L"WorkerW") != 0 && std::wcscmp(name, L"Progman") != 0) return false;
    return FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr) != nullptr;
}

ShowDesktop::~ShowDesktop() {
    if (hook_) UnhookWinEvent(hook_);
    if (watcher == this) watcher = nullptr;
}

void ShowDesktop::keep(HWND window) {
    kept_.push_back(Kept{window, false});
}

void ShowDesktop::forget(HWND window) {
    std::erase_if(kept_, [window](const Kept& k) { return k.hwnd == window; });
}

void ShowDesktop::shellStarted() {
    if (!kept_.empty()) watchIfShellHasDesktop();
}

void ShowDesktop::watchIfShellHasDesktop() {
    if (watching_ || (watcher && watcher != this)) return;
    bool found = false;
    EnumWindows(
        [](HWND w, LPARAM out) -> BOOL {
            if (!isShownDesktop(w)) return TRUE;
            *reinterpret_cast<bool*>(out) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    if (!found) return;
    watching_ = true;
    watcher = this;
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, onForeground,
                            0, 0, WINEVENT_OUTOFCONTEXT);
}

void ShowDesktop::lookUnlessHeard() {
    if (watching_ && !heard_ && !kept_.empty()) foregroundChanged(GetForegroundWindow());
}

void CALLBACK ShowDesktop::onForeground(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD) {
    if (!watcher) return;
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != GetCurrentProcessId()) watcher->heard_ = true;
    watcher->foregroundChanged(hwnd);
}

void ShowDesktop::foregroundChanged(HWND foreground) {
    if (foreground == lastForeground_) return;
    lastForeground_ = foreground;
    const bool desktop = isShownDesktop(foreground);
    for (Kept& k : kept_) {
        const bool topmost = (GetWindowLongPtrW(k.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        if (desktop && !topmost && IsWindowVisible(k.hwnd)) {
            k.lifted = SetWindowPos(k.hwnd, HWND_TOPMOST, 0, 0, 0, 0, kZOrderOnly) != 0;
        } else if (!desktop && k.lifted) {
            SetWindowPos(k.hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
            k.lifted = false;
        }
    }
}

}  // namespace talvorin::win32
