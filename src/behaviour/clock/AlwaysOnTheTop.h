// Moves a window into or out of the window manager's topmost band without
// moving, sizing or activating it differently.
#pragma once

#include <cstdint>

#include "platform/Form.h"
#include "platform/User32.h"

namespace talvorin {

// topmost: a 16-bit boolean, any non-zero value is true.
void setOnTop(User32& user32, const FormView& form, int16_t topmost);

}  // namespace talvorin
