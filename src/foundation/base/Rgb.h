// Colours travel as one packed number, red + 256 * green + 65536 * blue (the
// layout of a Windows COLORREF). Packing and unpacking live here so that no
// runtime does the arithmetic itself.
#pragma once

#include <cstdint>

namespace talvorin {

struct Rgb {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Each component clamped to 0..255 first: a hand-edited file may hold anything.
uint32_t packRgb(int red, int green, int blue);
Rgb unpackRgb(uint32_t packed);

}  // namespace talvorin
