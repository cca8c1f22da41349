// The settings are 16-bit and 32-bit values, and the layout's size arithmetic
// is 16-bit with every product and sum checked: a digit size that would wrap
// around must fail loudly so the options reader falls back to its defaults.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvorin {

int16_t checkedMul16(int16_t a, int16_t b);
int16_t checkedAdd16(int16_t a, int16_t b);

// A 16-bit count taken from a size; raises Overflow past 32767.
int16_t checkedCount16(std::size_t n);

// An optionally signed decimal number, blanks (spaces and tabs) around it
// accepted. Anything else, the empty text included, raises TypeMismatch; a
// number outside the type raises Overflow.
int16_t parseInt16(std::string_view text);
int32_t parseInt32(std::string_view text);

// Rounds to the nearest 32-bit integer, a half going to the even neighbour;
// raises Overflow outside the 32-bit range (and for NaN).
int32_t roundHalfEven32(double value);

std::string toText(int64_t value);

}  // namespace talvorin
