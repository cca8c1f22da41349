// Where a form's controls lie in pixels, and which one a click on the form's
// surface lands on. Runtimes lay controls out and hit-test through these, so
// the rounding and the overlap rule are the same everywhere.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Design.h"

namespace talvorin {

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The control's designed twips rectangle at `dpi`, in client-area pixels.
PixelRect pixelRect(const ControlDesign& control, double dpi);

// Labels take no clicks of their own (the form tells clicks from drags), so
// the form asks here: the last label in design order whose rectangle holds
// `client` (pixels), as later labels lie on top where they overlap. Empty:
// the form's own surface.
std::string labelAt(const FormDesign& design, PixelPoint client, double dpi);

}  // namespace talvorin
