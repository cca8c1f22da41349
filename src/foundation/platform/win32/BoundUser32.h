// The four window-manager entry points, looked up by name in their library
// the first time each is called, as the clock has always bound them. A
// binding that fails raises EntryPointNotFound, which setTransparency turns
// into its failure result instead of ending the program.
#pragma once

#include "platform/User32.h"

namespace talvorin::win32 {

class BoundUser32 final : public User32 {
  public:
    // `library` is "user32" in the program; tests name a missing one.
    explicit BoundUser32(const char* library = "user32") : library_(library) {}

    int32_t GetWindowLongA(Hwnd hwnd, int32_t index) override;
    int32_t SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) override;
    int32_t SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                       uint32_t flags) override;
    int32_t SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy,
                         uint32_t flags) override;

  private:
    // The address of `name`, resolved once; raises EntryPointNotFound.
    void* entryPoint(void*& slot, const char* name);

    const char* library_;
    void* module_ = nullptr;
    void* getWindowLong_ = nullptr;
    void* setWindowLong_ = nullptr;
    void* setLayeredAttributes_ = nullptr;
    void* setWindowPos_ = nullptr;
};

}  // namespace talvorin::win32
