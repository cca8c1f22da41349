#include "clock/Layout.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/Error.h"
#include "base/Integers.h"

namespace talvorin {

int16_t windowHeight(int16_t hText) {
    return checkedAdd16(checkedMul16(hText, 24), 1000);
}

int16_t windowWidth(int16_t hText, bool withSeconds) {
    return checkedAdd16(checkedMul16(hText, withSeconds ? 66 : 44), 200);
}

int16_t markerWidth(const Label& time, int16_t hText, const HourCycle& cycle) {
    if (!cycle.twelveHour) return 0;
    double widest = 0;
    for (const std::string& marker : {cycle.am, cycle.pm})
        if (!marker.empty()) widest = std::max(widest, time.textWidth(" " + marker, hText));
    return checkedCount16(static_cast<std::size_t>(std::ceil(widest)));
}

double requireSize(int16_t twips) {
    if (twips < 0) throw RuntimeError(ErrorCode::InvalidPropertyValue, "negative window size");
    return twips;
}

}  // namespace talvorin
