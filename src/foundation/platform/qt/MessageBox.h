// Modal message boxes whose buttons, icon and default come from the core's
// layout for the style, so they read in French whatever the desktop language.
#pragma once

#include <string>

namespace talvorin {

// Returns the answer code of the button chosen (Escape: the layout's escape answer).
int showMessageBox(const std::string& prompt, int style, const std::string& title);

}  // namespace talvorin
