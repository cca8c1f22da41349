// Talvorin for Windows: the core over the Win32 runtime.

#include <exception>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32Runtime.h"
#include "program/Program.h"
// clang-format off
#include "platform/win32/WinApi.h"
#include <commctrl.h>
// clang-format on

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    try {
        talvorin::win32::Win32Runtime runtime(instance);
        talvorin::Program program(runtime);
        program.start();
        return runtime.run();
    } catch (const std::exception& e) {
        MessageBoxW(nullptr, talvorin::win32::widen(e.what()).c_str(), L"Talvorin",
                    MB_ICONERROR | MB_OK);
        return 1;
    }
}
