#include "clock/Reach.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace talvorin {

namespace {

// 64 bits: a frame near INT32_MAX plus its width must not wrap.
struct Span {
    int64_t begin;
    int64_t end;
};

Span horizontal(const PixelRect& r) {
    return {r.left, int64_t{r.left} + std::max(0, r.width)};
}

Span vertical(const PixelRect& r) {
    return {r.top, int64_t{r.top} + std::max(0, r.height)};
}

int64_t overlap(Span a, Span b) {
    return std::max<int64_t>(0, std::min(a.end, b.end) - std::max(a.begin, b.begin));
}

int64_t gap(Span a, Span b) {
    return std::max<int64_t>({0, b.begin - a.end, a.begin - b.end});
}

bool reachableIn(const PixelRect& frame, const PixelRect& area) {
    const int64_t needX = std::min<int64_t>(kReachablePart, std::max(1, frame.width));
    const int64_t needY = std::min<int64_t>(kReachablePart, std::max(1, frame.height));
    return overlap(horizontal(frame), horizontal(area)) >= needX &&
           overlap(vertical(frame), vertical(area)) >= needY;
}

double distance(const PixelRect& frame, const PixelRect& area) {
    return std::hypot(static_cast<double>(gap(horizontal(frame), horizontal(area))),
                      static_cast<double>(gap(vertical(frame), vertical(area))));
}

// The frame's start moved the least so that it lies within the area; a frame
// larger than the area keeps its top-left corner on the area's.
int32_t fitted(Span frame, Span area) {
    const int64_t length = frame.end - frame.begin;
    return static_cast<int32_t>(std::max(area.begin, std::min(frame.begin, area.end - length)));
}

}  // namespace

std::optional<PixelPoint> rescuedTopLeft(const PixelRect& frame,
                                         const std::vector<PixelRect>& workAreas) {
    if (workAreas.empty()) return std::nullopt;
    if (std::any_of(workAreas.begin(), workAreas.end(),
                    [&](const PixelRect& a) { return reachableIn(frame, a); }))
        return std::nullopt;
    const PixelRect* nearest = &workAreas.front();
    double best = std::numeric_limits<double>::infinity();
    for (const PixelRect& area : workAreas) {
        const double d = distance(frame, area);
        if (d < best) {
            best = d;
            nearest = &area;
        }
    }
    return PixelPoint{fitted(horizontal(frame), horizontal(*nearest)),
                      fitted(vertical(frame), vertical(*nearest))};
}

}  // namespace talvorin
