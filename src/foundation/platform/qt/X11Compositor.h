// Whether a compositing manager runs on the X screen: without one, pixels a
// window leaves transparent are drawn black, and only a window shape lets the
// desktop show through.
#pragma once

#include <optional>

namespace talvorin {

// Asked of the X server each time (a compositor comes and goes at any time);
// nullopt off X11.
std::optional<bool> x11CompositorRunning();

}  // namespace talvorin
