#include "platform/win32/EndSession.h"

#include <string>

#include "base/Error.h"

namespace talvorin::win32 {

namespace {

constexpr const wchar_t* kEndSessionClass = L"TalvorinEndSession";

}  // namespace

EndSession::~EndSession() {
    if (!window_) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void EndSession::watch(HINSTANCE instance, std::function<void()> onEnd) {
    onEnd_ = std::move(onEnd);
    if (window_) return;
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.lpszClassName = kEndSessionClass;
    RegisterClassExW(&cls);  // already registered is fine: CreateWindowExW says the rest
    // Top-level and never shown: a message-only window is not told of the session's end.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kEndSessionClass, L"Talvorin", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
    if (!window_)
        throw RuntimeError(
            ErrorCode::InvalidProcedureCall,
            "session-end window not created: error " + std::to_string(GetLastError()));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK EndSession::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<EndSession*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_QUERYENDSESSION:
            return TRUE;  // a clock never holds the session up
        case WM_ENDSESSION:
            if (wParam && self && self->onEnd_) self->onEnd_();
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace talvorin::win32
