// The settings dialog as designed: seven text boxes, two check boxes, their
// labels and two buttons, at their twips positions and in their tab order.
#pragma once

#include "platform/Design.h"

namespace talvorin {

const FormDesign& frmParamDesign();

}  // namespace talvorin
