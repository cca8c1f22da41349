// Turns the dialog's free text into settings. A text that cannot be converted
// shows "Erreur dans fonction Conv" and gives 0, so one bad field never stops
// the others from being applied.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Runtime.h"

namespace talvorin {

// The largest window position, in twips, that the dialog stores: 32767 pixels
// at 96 dpi, about the farthest that Windows and X11 can place a window
// (their coordinates are 16-bit). Larger values are cut to it.
inline constexpr int32_t kMaxPositionTwips = 32767 * 15;

// The digits of the text in their order; "0" for the empty text. Raises
// Overflow for a text of 32767 characters or more.
std::string keepDigits(const std::string& text);

// Cleans `text` in place with keepDigits, then converts it clamped to
// minimum..255. Failure: the message box, then 0.
int16_t convByte(MessageBoxes& boxes, std::string& text, int16_t minimum);

// Converts the text as typed, clamped to 0..kMaxPositionTwips. Failure: the
// message box, then 0.
int32_t convLong(MessageBoxes& boxes, const std::string& text);

}  // namespace talvorin
