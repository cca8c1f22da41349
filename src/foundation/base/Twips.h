// Twips are 1/1440 inch. Every runtime converts through these, so that the
// rounding is the same on every platform and tested once.
#pragma once

#include <cstdint>

namespace talvorin {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = kTwipsPerInch / 72.0;

double twipsPerPixel(double dpi);
// Nearest whole pixel, a half away from zero.
int32_t pixelsFromTwips(double twips, double dpi);
double twipsFromPixels(int32_t pixels, double dpi);
// The pixel height of a font of `points` at `dpi`, rounded as above.
int32_t pixelsFromPoints(double points, double dpi);

}  // namespace talvorin
