// A window's position in twips over a window system that places windows on
// whole pixels. At most DPIs a pixel is a fraction of twips (7.5 at 192 dpi),
// so twips read back from a pixel would differ from the twips the window was
// given, and a saved position would never match the window again. Two rules
// make positions round-trip at every DPI up to 1440:
// - a window still standing on the pixel its given twips map to reports
//   those twips, exactly as given;
// - a window anywhere else reports the whole twips nearest its pixel, which
//   map back to that same pixel.
#pragma once

#include <cstdint>
#include <optional>

namespace talvorin {

// The whole twips nearest to `pixels` at `dpi`; pixelsFromTwips maps them back
// to `pixels` for any dpi below 1440, where a twip is less than a pixel.
// Held to the range of int32_t.
int32_t positionTwipsFromPixels(int32_t pixels, double dpi);

// X11 keeps window coordinates in 16 bits and wraps what lies beyond; no
// coordinate outside this range is handed to a window system.
int32_t windowSystemCoordinate(int64_t pixels);

// One axis (top or left) of a window's position.
class TwipsPosition {
  public:
    // The pixel to put the window on for `twips`, within the window system's
    // range; the twips are remembered with the pixel they map to.
    int32_t place(double twips, double dpi);
    // The twips of a window whose outer edge stands on `pixel`.
    double twipsAt(int32_t pixel, double dpi) const;

  private:
    std::optional<double> given_;
    int64_t pixel_ = 0;
    double dpi_ = 0;
};

}  // namespace talvorin
