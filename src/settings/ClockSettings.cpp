#include "settings/ClockSettings.h"

#include <algorithm>

namespace talvorin {

ClockSettings defaultSettings() {
    ClockSettings s;
    s.Trans = 127;
    s.CoulR = 0;
    s.CoulG = 64;
    s.CoulB = 127;
    s.posT = 500;
    s.posL = 800;
    s.hText = 48;
    s.onTheTop = "0";
    s.Secondes = "0";
    return s;
}

uint32_t packRgb(int red, int green, int blue) {
    auto byte = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return byte(red) + 256u * byte(green) + 65536u * byte(blue);
}

}  // namespace talvorin
