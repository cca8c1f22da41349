// The one way the runtime includes <windows.h>.
// NOTE: the core's User32.h declares GWL_EXSTYLE, WS_EX_LAYERED, LWA_ALPHA,
// HWND_TOPMOST and the rest as typed constants with their Windows names,
// which <windows.h> defines as macros. Parsing User32.h first keeps those
// declarations intact; the runtime itself only uses the macros.
#pragma once

// clang-format off
#include "platform/User32.h"
#include <windows.h>
// clang-format on
