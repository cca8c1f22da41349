#include "base/Twips.h"

#include <cmath>

namespace talvorin {

double twipsPerPixel(double dpi) {
    return kTwipsPerInch / (dpi > 0 ? dpi : 96.0);
}

int32_t pixelsFromTwips(double twips, double dpi) {
    return static_cast<int32_t>(std::lround(twips / twipsPerPixel(dpi)));
}

double twipsFromPixels(int32_t pixels, double dpi) {
    return pixels * twipsPerPixel(dpi);
}

int32_t pixelsFromPoints(double points, double dpi) {
    return pixelsFromTwips(points * kTwipsPerPoint, dpi);
}

}  // namespace talvorin
