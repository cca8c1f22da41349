#include "settings/ClockSettings.h"

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

}  // namespace talvorin
