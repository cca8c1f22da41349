#include "platform/win32/BoundUser32.h"

#include <string>

#include "base/Error.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

namespace {

using GetWindowLongFn = LONG(WINAPI*)(HWND, int);
using SetWindowLongFn = LONG(WINAPI*)(HWND, int, LONG);
using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using SetWindowPosFn = BOOL(WINAPI*)(HWND, HWND, int, int, int, int, UINT);

HWND toHwnd(Hwnd hwnd) {
    return reinterpret_cast<HWND>(hwnd);
}

// GetProcAddress returns a generic function pointer; each caller knows the
// real signature of the name it asked for.
template <typename Fn>
Fn as(void* address) {
    return reinterpret_cast<Fn>(address);
}

}  // namespace

void* BoundUser32::entryPoint(void*& slot, const char* name) {
    if (slot) return slot;
    if (!module_) module_ = LoadLibraryA(library_);
    if (!module_)
        throw RuntimeError(ErrorCode::EntryPointNotFound,
                           std::string("cannot load ") + library_ + " for " + name);
    FARPROC address = GetProcAddress(static_cast<HMODULE>(module_), name);
    if (!address)
        throw RuntimeError(ErrorCode::EntryPointNotFound,
                           std::string("no entry point ") + name + " in " + library_);
    slot = reinterpret_cast<void*>(address);
    return slot;
}

int32_t BoundUser32::GetWindowLongA(Hwnd hwnd, int32_t index) {
    auto call = as<GetWindowLongFn>(entryPoint(getWindowLong_, "GetWindowLongA"));
    return call(toHwnd(hwnd), index);
}

int32_t BoundUser32::SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) {
    auto call = as<SetWindowLongFn>(entryPoint(setWindowLong_, "SetWindowLongA"));
    return call(toHwnd(hwnd), index, newLong);
}

int32_t BoundUser32::SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                                uint32_t flags) {
    auto call = as<SetLayeredWindowAttributesFn>(
        entryPoint(setLayeredAttributes_, "SetLayeredWindowAttributes"));
    return call(toHwnd(hwnd), colorKey, alpha, flags);
}

int32_t BoundUser32::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx,
                                  int32_t cy, uint32_t flags) {
    auto call = as<SetWindowPosFn>(entryPoint(setWindowPos_, "SetWindowPos"));
    return call(toHwnd(hwnd), toHwnd(insertAfter), x, y, cx, cy, flags);
}

}  // namespace talvorin::win32
