#include "platform/win32/Win32SingleInstance.h"

#include "base/Error.h"
#include "platform/win32/WideText.h"

namespace talvorin::win32 {

namespace {

constexpr UINT kShowRequest = WM_APP + 1;
// Posted by the installer and the uninstaller (packaging/windows/talvorin.nsi)
// to the clock running from the folder they are about to change.
constexpr UINT kQuitRequest = WM_APP + 2;
// A later start must be gone within a second: this leaves it time to start.
constexpr DWORD kAskForMs = 700;

// The running clock may still be between creating the mutex and its window.
bool askToShow(const std::wstring& className) {
    const DWORD start = GetTickCount();
    do {
        if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, className.c_str(), nullptr)) {
            // This process was started by the user just now, so it may let
            // the running clock come to the front.
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            AllowSetForegroundWindow(pid);
            if (PostMessageW(window, kShowRequest, 0, 0)) return true;
        }
        Sleep(50);
    } while (GetTickCount() - start < kAskForMs);
    return false;
}

std::string lastErrorText(const char* what) {
    return std::string(what) + " failed (error " + std::to_string(GetLastError()) + ")";
}

}  // namespace

Win32SingleInstance::~Win32SingleInstance() {
    if (window_) DestroyWindow(window_);
    if (registered_) UnregisterClassW(name_.c_str(), instance_);
    if (mutex_) CloseHandle(mutex_);
}

bool Win32SingleInstance::claim(const std::string& key, InstanceRequests requests,
                                const std::function<void(const std::string&)>& trace) {
    const std::wstring name = widen(key);
    HANDLE mutex = CreateMutexW(nullptr, FALSE, (L"Local\\" + name).c_str());
    if (!mutex) throw RuntimeError(ErrorCode::PathFileAccess, lastErrorText("CreateMutexW"));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        if (!askToShow(name))
            trace("the clock already running on this options file did not answer (" + key + ")");
        return false;
    }
    mutex_ = mutex;
    name_ = name;
    requests_ = std::move(requests);
    return true;
}

void Win32SingleInstance::listen(const std::function<void(const std::string&)>& trace) {
    if (!mutex_ || window_) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Win32SingleInstance::windowProc;
    windowClass.hInstance = instance_;
    windowClass.lpszClassName = name_.c_str();
    registered_ = RegisterClassExW(&windowClass) != 0;
    if (registered_) {
        window_ = CreateWindowExW(0, name_.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance_, this);
    }
    if (!window_)
        trace("a later start cannot ask this clock to show: " +
              lastErrorText(registered_ ? "CreateWindowExW" : "RegisterClassExW"));
}

LRESULT CALLBACK Win32SingleInstance::windowProc(HWND hwnd, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    } else if (message == kShowRequest || message == kQuitRequest) {
        auto* self = reinterpret_cast<Win32SingleInstance*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!self) return 0;
        const auto& answer = message == kShowRequest ? self->requests_.show : self->requests_.quit;
        if (answer) answer();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace talvorin::win32
