// The order a runtime creates a form's controls in, which on Windows is also
// their z-order: the tab order, except that a label naming a field comes
// just before it, where screen readers look for a field's name. Tab stops
// keep their order among themselves.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/Design.h"

namespace talvorin {

// Indices into `controls`.
std::vector<std::size_t> creationOrder(const std::vector<const ControlDesign*>& controls);

}  // namespace talvorin
