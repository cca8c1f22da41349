// The session ending (logout, restart, shutdown) as one request to the core.
// A hidden top-level window of its own hears WM_QUERYENDSESSION and
// WM_ENDSESSION, whatever forms exist at the time: Windows may end the
// process as soon as WM_ENDSESSION returns, so the request runs inside it.
#pragma once

#include <functional>

#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class EndSession {
  public:
    EndSession() = default;
    ~EndSession();
    EndSession(const EndSession&) = delete;
    EndSession& operator=(const EndSession&) = delete;

    // Raises when the window cannot be created.
    void watch(HINSTANCE instance, std::function<void()> onEnd);

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::function<void()> onEnd_;
};

}  // namespace talvorin::win32
