// The clock window's size follows its digit size: room for hours and minutes,
// or for seconds too. The arithmetic is 16-bit and checked, so a digit size
// that cannot give a window raises Overflow instead of wrapping to a tiny one.
#pragma once

#include <cstdint>

#include "platform/Controls.h"
#include "platform/HourCycle.h"

namespace talvorin {

int16_t windowHeight(int16_t hText);                   // twips
int16_t windowWidth(int16_t hText, bool withSeconds);  // twips

// What a 12-hour clock adds to the width: room for its wider marker with
// the blank before it, as `time` draws them at `hText`; 0 on a 24-hour clock.
// The digits keep the room the width already gives them.
int16_t markerWidth(const Label& time, int16_t hText, const HourCycle& cycle);

// A window size must not be negative; raises InvalidPropertyValue.
double requireSize(int16_t twips);

}  // namespace talvorin
