// The clock's whole configuration. The two on/off settings are kept as text,
// exactly as the options file holds them, because the places that test them
// disagree on purpose about values other than "1" and "0" (see isOn/isNotOff).
#pragma once

#include <cstdint>
#include <string>

namespace talvorin {

struct ClockSettings {
    int16_t Trans = 0;  // opacity, 0 transparent .. 255 opaque
    int16_t CoulR = 0;  // background colour, red 0..255
    int16_t CoulG = 0;
    int16_t CoulB = 0;
    int32_t posT = 0;      // saved top of the clock window, twips
    int32_t posL = 0;      // saved left, twips
    int16_t hText = 0;     // digit size, points; also sets the window's size
    std::string onTheTop;  // keep above other windows: "1" / "0"
    std::string Secondes;  // show seconds: "1" / "0"

    bool operator==(const ClockSettings&) const = default;
};

ClockSettings defaultSettings();

// The layout and the stacking count a flag as on only when it is exactly "1".
inline bool isOn(const std::string& flag) {
    return flag == "1";
}
// The tick and the dialog count it as on whenever it is not exactly "0".
inline bool isNotOff(const std::string& flag) {
    return flag != "0";
}

}  // namespace talvorin
