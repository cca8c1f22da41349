// The clock window's size follows its digit size: room for hours and minutes,
// or for seconds too. The arithmetic is 16-bit and checked, so a digit size
// that cannot give a window raises Overflow instead of wrapping to a tiny one.
#pragma once

#include <cstdint>

namespace talvorin {

int16_t windowHeight(int16_t hText);                   // twips
int16_t windowWidth(int16_t hText, bool withSeconds);  // twips

// A window size must not be negative; raises InvalidPropertyValue.
double requireSize(int16_t twips);

}  // namespace talvorin
