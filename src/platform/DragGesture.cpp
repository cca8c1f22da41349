#include "platform/DragGesture.h"

#include <cstdlib>

namespace talvorin {

void DragGesture::press(PixelPoint cursor, PixelPoint windowTopLeft) {
    pressed_ = true;
    dragging_ = false;
    start_ = cursor;
    windowStart_ = windowTopLeft;
}

std::optional<PixelPoint> DragGesture::move(PixelPoint cursor) {
    if (!pressed_) return std::nullopt;
    const int32_t dx = cursor.x - start_.x;
    const int32_t dy = cursor.y - start_.y;
    if (!dragging_ && (std::abs(dx) > dragX_ || std::abs(dy) > dragY_)) dragging_ = true;
    if (!dragging_) return std::nullopt;
    return PixelPoint{windowStart_.x + dx, windowStart_.y + dy};
}

bool DragGesture::release() {
    const bool click = pressed_ && !dragging_;
    cancel();
    return click;
}

}  // namespace talvorin
