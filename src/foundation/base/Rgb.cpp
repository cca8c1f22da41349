#include "base/Rgb.h"

#include <algorithm>

namespace talvorin {

uint32_t packRgb(int red, int green, int blue) {
    auto byte = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return byte(red) + 256u * byte(green) + 65536u * byte(blue);
}

Rgb unpackRgb(uint32_t packed) {
    return Rgb{static_cast<uint8_t>(packed % 256), static_cast<uint8_t>(packed / 256 % 256),
               static_cast<uint8_t>(packed / 65536 % 256)};
}

}  // namespace talvorin
