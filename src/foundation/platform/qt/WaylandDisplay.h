// Whether the toolkit could open a Wayland display, asked before it starts:
// a compositor's socket is there and the toolkit has its Wayland plugin.
#pragma once

namespace talvorin {

bool waylandDisplayReachable();

}  // namespace talvorin
