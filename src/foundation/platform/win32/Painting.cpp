#include "platform/win32/Painting.h"

#include <algorithm>
#include <string>

#include "platform/win32/WindowNames.h"

namespace talvorin::win32 {

void BackBuffer::paint(HWND hwnd, const std::function<void(HDC)>& paint) {
    const PaintDC window(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    if (!window.get() || !fit(window.get(), SIZE{client.right, client.bottom})) return;
    paint(dc_->get());
    const RECT& area = window.area();
    BitBlt(window.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
           dc_->get(), area.left, area.top, SRCCOPY);
}

void BackBuffer::drop() {
    selected_.reset();
    bitmap_.reset();
    dc_.reset();
    size_ = SIZE{};
}

bool BackBuffer::fit(HDC like, SIZE size) {
    if (dc_ && size.cx == size_.cx && size.cy == size_.cy) return true;
    drop();
    if (size.cx <= 0 || size.cy <= 0) return false;
    dc_.emplace(like);
    bitmap_.reset(CreateCompatibleBitmap(like, size.cx, size.cy));
    if (!dc_->get() || !bitmap_) {
        drop();
        return false;
    }
    selected_.emplace(dc_->get(), bitmap_.get());
    size_ = size;
    return true;
}

namespace {

// The label's own text (see FormLabel), kept by the runtime, not the system.
const std::wstring* labelText(HWND hwnd) {
    return reinterpret_cast<const std::wstring*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT copyLabelText(HWND hwnd, WPARAM size, LPARAM buffer) {
    const std::wstring* text = labelText(hwnd);
    if (!text || size == 0) return 0;
    const std::size_t n = std::min<std::size_t>(text->size(), size - 1);
    wchar_t* out = reinterpret_cast<wchar_t*>(buffer);
    text->copy(out, n);
    out[n] = L'\0';
    return static_cast<LRESULT>(n);
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            return DefWindowProcW(hwnd, message, wParam, lParam);
        case WM_GETTEXT:
            return copyLabelText(hwnd, wParam, lParam);
        case WM_GETTEXTLENGTH:
            return labelText(hwnd) ? static_cast<LRESULT>(labelText(hwnd)->size()) : 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            // The form beneath has drawn this area, text included.
            ValidateRect(hwnd, nullptr);
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

}  // namespace

void registerLabelClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = labelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kLabelClass;
    RegisterClassExW(&wc);
}

}  // namespace talvorin::win32
