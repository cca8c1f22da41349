#include "base/WindowPosition.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/Twips.h"

namespace talvorin {

namespace {

constexpr int64_t kShortMin = -32768;
constexpr int64_t kShortMax = 32767;

// pixelsFromTwips without the 32-bit result: 2^31-1 twips are more pixels
// than an int32_t holds at high DPIs.
int64_t widePixelsFromTwips(double twips, double dpi) {
    return static_cast<int64_t>(std::llround(twips / twipsPerPixel(dpi)));
}

}  // namespace

int32_t positionTwipsFromPixels(int32_t pixels, double dpi) {
    // 64 bits, then the file's range: a far pixel at a low DPI is more twips
    // than an int32_t holds (and long is 32 bits on Windows).
    const int64_t twips = std::llround(twipsFromPixels(pixels, dpi));
    return static_cast<int32_t>(std::clamp<int64_t>(twips, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

int32_t windowSystemCoordinate(int64_t pixels) {
    return static_cast<int32_t>(std::clamp(pixels, kShortMin, kShortMax));
}

int32_t TwipsPosition::place(double twips, double dpi) {
    given_ = twips;
    pixel_ = widePixelsFromTwips(twips, dpi);
    dpi_ = dpi;
    return windowSystemCoordinate(pixel_);
}

double TwipsPosition::twipsAt(int32_t pixel, double dpi) const {
    if (given_ && pixel == pixel_ && dpi == dpi_) return *given_;
    return positionTwipsFromPixels(pixel, dpi);
}

}  // namespace talvorin
