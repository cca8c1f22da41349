// The clock window as designed: a frameless window with the one-second timer,
// the day-and-date label across the top and the large time label.
#pragma once

#include "platform/Design.h"

namespace talvorin {

inline constexpr uint32_t kLabelGrey = 0xE0E0E0;  // red, green and blue 224
inline constexpr const char* kTimeFace = "Naviset";
// DSEG7 Classic (SIL Open Font License, Debian fonts-dseg) stands in for it.
inline constexpr const char* kTimeFallbackFace = "DSEG7 Classic";

const FormDesign& frmMainDesign();

}  // namespace talvorin
