// What screen readers learn of a form (over AT-SPI): the window's role and
// name as its design says, each field named by the label beside it, and the
// keyboard that reaches every control.
#pragma once

#include <QPushButton>

namespace talvorin {

class FormWindow;

// Once per program: forms report the role of their design, a dialog or a
// window, named by their caption or by the control the design names.
void installFormAccessibility();

// Each control with a naming label gets the label's caption as its
// accessible name, and the label points at it (its buddy).
void nameByLabels(FormWindow& window);

// Enter on the focused button presses it, as Space does.
void pressOnEnter(QPushButton& button);

}  // namespace talvorin
