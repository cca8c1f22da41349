#include "program/PointerGesture.h"

#include <cstdlib>

namespace talvorin {

void PointerGesture::press(const PointerEvent& event, PixelPoint threshold, std::string control) {
    pressed_ = true;
    moved_ = false;
    start_ = event.screen;
    windowStart_ = event.windowTopLeft;
    threshold_ = threshold;
    control_ = std::move(control);
}

bool PointerGesture::beyondThreshold(PixelPoint screen) const {
    return std::abs(screen.x - start_.x) > threshold_.x ||
           std::abs(screen.y - start_.y) > threshold_.y;
}

std::optional<PixelPoint> PointerGesture::move(const PointerEvent& event, bool draggable) {
    if (!pressed_) return std::nullopt;
    // Once beyond the distance the gesture stays a drag, even back near the start.
    moved_ = moved_ || beyondThreshold(event.screen);
    if (!moved_ || !draggable) return std::nullopt;
    return PixelPoint{windowStart_.x + event.screen.x - start_.x,
                      windowStart_.y + event.screen.y - start_.y};
}

std::optional<std::string> PointerGesture::release(const PointerEvent& event) {
    if (!pressed_) return std::nullopt;
    pressed_ = false;
    // A release far from the press is no click, even with no move reported between.
    if (moved_ || beyondThreshold(event.screen) || !event.insideClient) return std::nullopt;
    return control_;
}

}  // namespace talvorin
