// A plain Win32 window painting the time, with a timer re-armed for the next
// wall-clock second: what any Windows clock costs under Wine, for the
// benchmark to set the real program against.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kTick = 1;

// Milliseconds to the next wall-clock second, plus 1 so the timer never wakes
// in the old one.
UINT msToNextSecond()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return 1000 - now.wMilliseconds + 1;
}

void paint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t text[16];
    std::swprintf(text, 16, L"%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    RECT area;
    GetClientRect(window, &area);
    HFONT font = CreateFontW(48, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, L"Arial");
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &ps);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    switch (message) {
    case WM_TIMER:
        SetTimer(window, kTick, msToNextSecond(), nullptr);
        InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"BareWin32Clock";
    if (!RegisterClassW(&windowClass))
        return 1;
    HWND window = CreateWindowW(L"BareWin32Clock", L"bare-win32", WS_OVERLAPPEDWINDOW, 100, 100,
                                320, 120, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    SetTimer(window, kTick, msToNextSecond(), nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
