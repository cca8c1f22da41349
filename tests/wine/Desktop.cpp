#include "Desktop.h"

#include <algorithm>
#include <thread>

#include "platform/win32/ScopedWin.h"

namespace wine_test {

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring className(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::wstring windowText(HWND hwnd) {
    wchar_t text[2048] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return std::wstring(text, copied);
}

std::vector<HWND> topLevelWindows(DWORD pid, const std::wstring& wantedClass) {
    struct Search {
        DWORD pid;
        const std::wstring& wantedClass;
        std::vector<HWND> found;
    } search{pid, wantedClass, {}};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s.pid && className(hwnd) == s.wantedClass) s.found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND visibleWindow(DWORD pid, const std::wstring& wantedClass, const std::wstring& title) {
    for (HWND hwnd : topLevelWindows(pid, wantedClass))
        if (IsWindowVisible(hwnd) && windowText(hwnd) == title) return hwnd;
    return nullptr;
}

HWND waitForWindow(DWORD pid, const std::wstring& wantedClass, const std::wstring& title,
                   std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    waitFor([&] { return (found = visibleWindow(pid, wantedClass, title)) != nullptr; }, timeout);
    return found;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> list;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) list.push_back(c);
    return list;
}

HWND childWithText(HWND parent, const std::wstring& wantedClass, const std::wstring& text) {
    for (HWND c : children(parent))
        if (_wcsicmp(className(c).c_str(), wantedClass.c_str()) == 0 && windowText(c) == text)
            return c;
    return nullptr;
}

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

SIZE clientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// --- Input -------------------------------------------------------------------

namespace {

void sendMouse(DWORD flags, POINT p = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        input.mi.dx = MulDiv(p.x, 65536, width) + 1;
        input.mi.dy = MulDiv(p.y, 65536, height) + 1;
    }
    SendInput(1, &input, sizeof(input));
    std::this_thread::sleep_for(30ms);  // let the program see each step
}

}  // namespace

void mouseMoveTo(POINT p) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p);
}

void mousePress(POINT p) {
    mouseMoveTo(p);
    sendMouse(MOUSEEVENTF_LEFTDOWN);
}

void mouseRelease() {
    sendMouse(MOUSEEVENTF_LEFTUP);
}

void click(POINT p) {
    mousePress(p);
    mouseRelease();
}

std::pair<POINT, POINT> drag(POINT from, POINT by) {
    mousePress(from);
    POINT start{};
    GetCursorPos(&start);
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i)
        mouseMoveTo(POINT{from.x + by.x * i / kSteps, from.y + by.y * i / kSteps});
    POINT end{};
    GetCursorPos(&end);
    mouseRelease();
    return {start, end};
}

void pressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    std::this_thread::sleep_for(50ms);
}

void typeDigits(const std::string& digits) {
    for (char d : digits) pressKey(static_cast<WORD>(d));  // VK_0..VK_9 are '0'..'9'
}

// --- Screenshots -------------------------------------------------------------

bool saveScreenshot(const RECT& area, const std::wstring& path) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return false;
    using talvorin::win32::MemoryDC, talvorin::win32::ScopedBitmap, talvorin::win32::SelectedObject,
        talvorin::win32::WindowDC;
    const WindowDC screen(nullptr);
    const MemoryDC memory(screen.get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    const ScopedBitmap bitmap(
        CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool saved = false;
    if (bitmap) {
        const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
        const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
        const auto* pixels = static_cast<const unsigned char*>(bits);
        // The middle half of the shot, where the window manager's frame is not.
        const auto flat = [&] {
            const unsigned char* first = pixels + height / 4 * rowBytes + width / 4 * 3;
            for (int y = height / 4; y < height * 3 / 4; ++y)
                for (int x = width / 4; x < width * 3 / 4; ++x)
                    if (!std::equal(first, first + 3, pixels + y * rowBytes + x * 3)) return false;
            return true;
        };
        // A window of another process may exist some time before Wine has sent
        // its pixels to X: a shot flat in its middle waits for them, 2 s at most.
        waitFor(
            [&] {
                const SelectedObject copiedInto(memory.get(), bitmap.get());
                BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                       SRCCOPY);
                GdiFlush();
                return !flat();
            },
            2s);
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
        file.bfSize = file.bfOffBits + imageBytes;
        info.bmiHeader.biSizeImage = imageBytes;
        HANDLE out =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (out != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            saved = WriteFile(out, &file, sizeof(file), &written, nullptr) &&
                    WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &written, nullptr) &&
                    WriteFile(out, bits, imageBytes, &written, nullptr);
            CloseHandle(out);
        }
    }
    return saved;
}

}  // namespace wine_test
