#include "platform/qt/QtUser32.h"

#include <optional>

#include "platform/qt/FormWindow.h"

namespace talvorin {

namespace {

constexpr double kOpaque = 1.0;

void clearLayeredAttributes(FormWindow& window) {
    window.setWindowOpacity(kOpaque);
    window.setColorKey(std::nullopt);
}

}  // namespace

int32_t QtUser32::GetWindowLongA(Hwnd hwnd, int32_t index) {
    FormWindow* window = FormWindow::fromHandle(hwnd);
    if (!window || index != kGwlExStyle) return 0;
    return window->exStyle();
}

int32_t QtUser32::SetWindowLongA(Hwnd hwnd, int32_t index, int32_t newLong) {
    FormWindow* window = FormWindow::fromHandle(hwnd);
    if (!window || index != kGwlExStyle) return 0;
    const int32_t previous = window->exStyle();
    window->setExStyle(newLong);
    window->setPassThrough((newLong & kWsExTransparent) && (newLong & kWsExLayered));
    // A window that stops being layered loses its layered attributes.
    if ((previous & kWsExLayered) && !(newLong & kWsExLayered)) clearLayeredAttributes(*window);
    return previous;
}

int32_t QtUser32::SetLayeredWindowAttributes(Hwnd hwnd, uint32_t colorKey, uint8_t alpha,
                                             uint32_t flags) {
    FormWindow* window = FormWindow::fromHandle(hwnd);
    if (!window || !(window->exStyle() & kWsExLayered)) return 0;
    // Each call replaces the attributes as a whole: a flag left out is off.
    window->setColorKey(flags & kLwaColorKey ? std::optional<uint32_t>(colorKey) : std::nullopt);
    window->setWindowOpacity(flags & kLwaAlpha ? alpha / 255.0 : kOpaque);
    return 1;
}

int32_t QtUser32::SetWindowPos(Hwnd hwnd, Hwnd insertAfter, int32_t x, int32_t y, int32_t cx,
                               int32_t cy, uint32_t flags) {
    FormWindow* window = FormWindow::fromHandle(hwnd);
    if (!window) return 0;
    if (!(flags & kSwpNoMove)) window->move(x, y);
    if (!(flags & kSwpNoSize)) window->resize(cx, cy);
    if (!(flags & kSwpNoZOrder)) {
        // Other insert-after windows would reorder within a band, which X11
        // leaves to the window manager; only the band itself is emulated.
        if (insertAfter == kHwndTopmost) window->setStaysOnTop(true);
        if (insertAfter == kHwndNoTopmost) window->setStaysOnTop(false);
    }
    // Without kSwpNoActivate Windows activates the window and brings it to
    // the top of its band; a hidden window stays hidden either way.
    if (!(flags & kSwpNoActivate) && window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
    return 1;
}

}  // namespace talvorin
