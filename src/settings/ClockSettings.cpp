#include "settings/ClockSettings.h"

#include <algorithm>

namespace talvorin {

ClockSettings defaultSettings() {
    return ClockSettings{.Trans = 127,
                         .CoulR = 0,
                         .CoulG = 64,
                         .CoulB = 127,
                         .posT = 500,
                         .posL = 800,
                         .hText = 48,
                         .onTheTop = "0",
                         .Secondes = "0"};
}

uint32_t packRgb(int red, int green, int blue) {
    auto byte = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return byte(red) + 256u * byte(green) + 65536u * byte(blue);
}

}  // namespace talvorin
