#include "clock/AlwaysOnTheTop.h"

namespace talvorin {

void setOnTop(User32& user32, const FormView& form, int16_t topmost) {
    const Hwnd insertAfter = topmost != 0 ? kHwndTopmost : kHwndNoTopmost;
    // Only the stacking changes: the position and size are ignored, and the
    // window is activated as any stacking change would.
    user32.SetWindowPos(form.hWnd(), insertAfter, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

void restoreOnTop(User32& user32, const FormView& form, int16_t topmost) {
    const Hwnd insertAfter = topmost != 0 ? kHwndTopmost : kHwndNoTopmost;
    user32.SetWindowPos(form.hWnd(), insertAfter, 0, 0, 0, 0,
                        kSwpNoMove | kSwpNoSize | kSwpNoActivate);
}

}  // namespace talvorin
