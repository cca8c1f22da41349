// The four window-manager entry points the clock uses, with their Windows
// signatures and constants. The Windows runtime binds them by name from
// user32 on first use; other runtimes emulate them over their own windows.
// An entry point that cannot be bound raises EntryPointNotFound.
#pragma once

#include <cstdint>

namespace talvorin {

// A native window handle. Kept as an integer so no OS type leaks into the core.
using Hwnd = std::uintptr_t;

inline constexpr int32_t GWL_EXSTYLE = -20;
inline constexpr int32_t WS_EX_LAYERED = 0x80000;
inline constexpr uint32_t LWA_COLORKEY = 1;
inline constexpr uint32_t LWA_ALPHA = 2;
inline constexpr Hwnd HWND_TOPMOST = static_cast<Hwnd>(-1);
inline constexpr Hwnd HWND_NOTOPMOST = static_cast<Hwnd>(-2);
inline constexpr uint32_t SWP_NOSIZE = 1;
inline constexpr uint32_t SWP_NOMOVE = 2;

class User32 {
  public:
    virtual ~User32() = default;
    virtual int32_t GetWindowLongA(Hwnd hwnd, int32_t index) = 0;
    virtual int32_t SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) = 0;
    virtual int32_t SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                               uint32_t flags) = 0;
    virtual int32_t SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx,
                                 int32_t cy, uint32_t flags) = 0;
};

}  // namespace talvorin
