#include "platform/win32/Painting.h"

#include "platform/win32/ScopedWin.h"
#include "platform/win32/WindowNames.h"

namespace talvorin::win32 {

void paintBuffered(HWND hwnd, const std::function<void(HDC)>& paint) {
    const PaintDC window(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    const MemoryDC memory(window.get());
    const ScopedBitmap bitmap(CreateCompatibleBitmap(window.get(), client.right, client.bottom));
    if (!memory || !bitmap) return;
    const SelectedObject drawnInto(memory.get(), bitmap.get());
    paint(memory.get());
    BitBlt(window.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

namespace {

void paintFromParent(HWND label) {
    HWND form = GetParent(label);
    RECT bounds;
    GetWindowRect(label, &bounds);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&bounds), 2);
    paintBuffered(label, [&](HDC dc) {
        SetViewportOrgEx(dc, -bounds.left, -bounds.top, nullptr);
        SendMessageW(form, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SetViewportOrgEx(dc, 0, 0, nullptr);
    });
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paintFromParent(hwnd);
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
