// One clock per options file on Windows: a named mutex says who runs, a
// message-only window of the running clock, found by its class name, takes a
// later start's request to show and an installer's request to end. Windows drops the mutex with its
// last handle, so a killed clock never blocks the next start.
#pragma once

#include <functional>
#include <string>

#include "platform/SingleInstance.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class Win32SingleInstance {
  public:
    explicit Win32SingleInstance(HINSTANCE instance) : instance_(instance) {}
    ~Win32SingleInstance();
    Win32SingleInstance(const Win32SingleInstance&) = delete;
    Win32SingleInstance& operator=(const Win32SingleInstance&) = delete;

    // As SingleInstance::claimInstance, but only the lock: requests come in
    // once listen() has made the window. `trace` receives errors that do not
    // stop the claim (the running clock did not answer, say).
    bool claim(const std::string& key, InstanceRequests requests,
               const std::function<void(const std::string&)>& trace);
    // A later start meanwhile asks again for a while (kAskForMs).
    void listen(const std::function<void(const std::string&)>& trace);

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HANDLE mutex_ = nullptr;
    HWND window_ = nullptr;
    std::wstring name_;  // of the mutex and the window's class
    bool registered_ = false;
    InstanceRequests requests_;
};

}  // namespace talvorin::win32
