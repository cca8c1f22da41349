// Keeps chosen windows visible when the user shows the desktop (Win+D, the
// corner of the task bar). Windows does not minimise them then: it brings the
// shell's desktop window (Progman, or the WorkerW that holds the icons'
// SHELLDLL_DefView) to the foreground, above every window outside the topmost
// band. While the desktop has the foreground the windows are lifted into the
// topmost band; as soon as anything else takes it they go back, unless they
// were topmost already. Their place and dragging are untouched, unlike a
// window parented into the desktop.
#pragma once

#include <vector>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class ShowDesktop {
  public:
    ShowDesktop() = default;
    ~ShowDesktop();
    ShowDesktop(const ShowDesktop&) = delete;
    ShowDesktop& operator=(const ShowDesktop&) = delete;

    void keep(HWND window);
    void forget(HWND window);
    // Watches the foreground for the kept windows, where the shell has a
    // desktop to show (Wine's has none: nothing to watch there). Called once
    // the first window is up, and again whenever the shell (re)starts.
    void shellStarted();
    // Looks at the foreground itself until the shell's event has been seen to
    // come from another process (it may not reach every process). The runtime
    // calls it with each tick of the clock, so that costs no wake-up of its own.
    void lookUnlessHeard();

  private:
    static void CALLBACK onForeground(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD);
    void watchIfShellHasDesktop();
    void foregroundChanged(HWND foreground);

    struct Kept {
        HWND hwnd;
        bool lifted;
    };
    std::vector<Kept> kept_;
    HWINEVENTHOOK hook_ = nullptr;
    bool watching_ = false;
    bool heard_ = false;
    HWND lastForeground_ = nullptr;
};

// The shell's desktop window: what has the foreground while the desktop is shown.
bool isShownDesktop(HWND window);

}  // namespace talvorin::win32
