#include "platform/win32/ConsoleOutput.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

bool usable(HANDLE h) {
    return h && h != INVALID_HANDLE_VALUE;
}

// The parent's console, attached once; null when there is none.
HANDLE parentConsole() {
    static HANDLE console = [] {
        if (!AttachConsole(ATTACH_PARENT_PROCESS)) return HANDLE{nullptr};
        HANDLE h =
            CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        return usable(h) ? h : HANDLE{nullptr};
    }();
    return console;
}

void write(DWORD which, const std::string& text) {
    if (text.empty()) return;
    HANDLE h = GetStdHandle(which);
    if (!usable(h)) h = parentConsole();
    if (!usable(h)) return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(h, &mode)) {
        // A console shows UTF-16 whatever its code page: "réglages" stays whole.
        const std::wstring wide = widen(text);
        WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

}  // namespace

void printToConsole(const std::string& out, const std::string& err) {
    write(STD_OUTPUT_HANDLE, out);
    write(STD_ERROR_HANDLE, err);
}

}  // namespace talvorin::win32
