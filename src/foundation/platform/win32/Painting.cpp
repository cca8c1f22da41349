#include "platform/win32/Painting.h"

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

LRESULT CALLBACK labelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
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
