// Message boxes whose buttons read "Oui", "Non", "Annuler" and "OK" whatever
// the language of Windows. The standard MessageBoxW keeps its behaviour
// (modality, keyboard, answer codes, which are the program's own); a CBT hook
// on this thread renames its buttons as the box is activated.
#pragma once

#include <string>

namespace talvorin::win32 {

// Modal for the whole thread. Returns the answer code of the button pressed.
int showFrenchMessageBox(const std::string& prompt, int style, const std::string& title);

}  // namespace talvorin::win32
