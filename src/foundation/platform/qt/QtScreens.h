// The monitors as Qt sees them: work areas (QScreen::availableGeometry, the
// screen less the panels) and the primary screen's DPI, which window
// positions are converted with on every screen.
#pragma once

#include <vector>

#include "platform/ControlGeometry.h"

namespace talvorin {

std::vector<PixelRect> screenWorkAreas();
// 0 without a screen: the twips helpers then assume 96.
double primaryScreenDpi();

}  // namespace talvorin
