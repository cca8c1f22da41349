// Faces the designs name that a Linux desktop seldom has: a font that names a
// fallback face is drawn in it, condensed as the design says, when its own
// face is not installed.
#pragma once

#include <QFont>

#include "platform/Design.h"

namespace talvorin {

void applyFace(QFont& font, const FontDesign& design);

}  // namespace talvorin
