// The four window-manager entry points the clock uses, with their Windows
// signatures and constants. The Windows runtime binds them by name from
// user32 on first use; other runtimes emulate them over their own windows.
// An entry point that cannot be bound raises EntryPointNotFound. The
// constants carry a k prefix: <windows.h> defines the Windows spellings as
// macros, which would rewrite these declarations wherever both are seen.
#pragma once

#include <cstdint>

namespace talvorin {

// A native window handle. Kept as an integer so no OS type leaks into the core.
using Hwnd = std::uintptr_t;

inline constexpr int32_t kGwlExStyle = -20;
inline constexpr int32_t kWsExLayered = 0x80000;
// With kWsExLayered: every pointer event goes to the window below.
inline constexpr int32_t kWsExTransparent = 0x20;
inline constexpr uint32_t kLwaColorKey = 1;
inline constexpr uint32_t kLwaAlpha = 2;
inline constexpr Hwnd kHwndTopmost = static_cast<Hwnd>(-1);
inline constexpr Hwnd kHwndNoTopmost = static_cast<Hwnd>(-2);
inline constexpr uint32_t kSwpNoSize = 1;
inline constexpr uint32_t kSwpNoMove = 2;
inline constexpr uint32_t kSwpNoZOrder = 0x4;
inline constexpr uint32_t kSwpNoActivate = 0x10;

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
