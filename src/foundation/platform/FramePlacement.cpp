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

PixelPoint FramePlacement::askFor(PixelPoint outer, Ask ask) {
    asked_ = outer;
    if (!learnt_) return outer;
    const FrameInset shift = ask == Ask::Map ? mapShift_ : moveShift_;
    return {outer.x + frame_.left - shift.left, outer.y + frame_.top - shift.top};
}

void FramePlacement::observe(PixelPoint request, PixelPoint client) {
    const FrameInset shift{client.x - request.x, client.y - request.y};
    if (learnt_ && plausible(shift)) moveShift_ = shift;
}

void FramePlacement::learn(PixelPoint client, std::optional<FrameInset> published) {
    learnt_ = true;
    // A window placed by the window manager alone tells nothing either.
    const FrameInset shift =
        asked_ ? FrameInset{client.x - asked_->x, client.y - asked_->y} : FrameInset{};
    mapShift_ = plausible(shift) ? shift : FrameInset{};
    const bool framePublished = published && plausible(*published);
    // A manager that publishes its frame moves windows as it maps them; one
    // that publishes nothing put the frame where the map asked, and a move is
    // taken to put the client area where asked until one is seen done.
    frame_ = framePublished ? *published : mapShift_;
    moveShift_ = framePublished ? mapShift_ : FrameInset{};
}

PixelPoint FramePlacement::outerOf(PixelPoint client) const {
    return {client.x - frame_.left, client.y - frame_.top};
}

}  // namespace talvorin
