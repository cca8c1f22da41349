// Moves a window into or out of the window manager's topmost band without
// moving or sizing it.
#pragma once

#include <cstdint>

#include "platform/Form.h"
#include "platform/User32.h"

namespace talvorin {

// topmost: a 16-bit boolean, any non-zero value is true.
void setOnTop(User32& user32, const FormView& form, int16_t topmost);

// The same without activating the window: for a state the window system may
// have forgotten (a restarted shell or window manager, a resume).
void restoreOnTop(User32& user32, const FormView& form, int16_t topmost);

}  // namespace talvorin
