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

    // Starts watching the foreground with the first window; false when the
    // hook cannot be set (the window then hides with the others).
    bool keep(HWND window);
    void forget(HWND window);

  private:
    static void CALLBACK onForeground(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD);
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void foregroundChanged(HWND foreground);

    struct Kept {
        HWND hwnd;
        bool lifted;
    };
    std::vector<Kept> kept_;
    HWINEVENTHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    HWND lastForeground_ = nullptr;
};

// The shell's desktop window: what has the foreground while the desktop is shown.
bool isShownDesktop(HWND window);

}  // namespace talvorin::win32
