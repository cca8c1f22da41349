#include "platform/FramePlacement.h"

#include <cstdlib>

namespace talvorin {

namespace {

// Beyond this the window manager moved the window for its own reasons (kept
// it on a screen, tiled it): that is no frame, and nothing to learn from.
constexpr int32_t kLargestFrame = 128;

bool plausible(FrameInset inset) {
    return std::abs(inset.left) <= kLargestFrame && std::abs(inset.top) <= kLargestFrame;
}

}  // namespace

PixelPoint FramePlacement::askFor(PixelPoint outer) {
    asked_ = outer;
    if (!learnt_) return outer;
    return {outer.x + frame_.left - shift_.left, outer.y + frame_.top - shift_.top};
}

void FramePlacement::observe(PixelPoint request, PixelPoint client) {
    const FrameInset shift{client.x - request.x, client.y - request.y};
    if (learnt_ && plausible(shift)) shift_ = shift;
}

void FramePlacement::learn(PixelPoint client, std::optional<FrameInset> published) {
    learnt_ = true;
    // A window placed by the window manager alone tells nothing either.
    const FrameInset shift =
        asked_ ? FrameInset{client.x - asked_->x, client.y - asked_->y} : FrameInset{};
    shift_ = plausible(shift) ? shift : FrameInset{};
    // A window manager that publishes nothing put the frame where it was asked.
    frame_ = published && plausible(*published) ? *published : shift_;
}

PixelPoint FramePlacement::outerOf(PixelPoint client) const {
    return {client.x - frame_.left, client.y - frame_.top};
}

}  // namespace talvorin
