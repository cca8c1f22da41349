// The one way the runtime includes <windows.h>, with the definitions the
// whole runtime is built with (wide APIs, no min/max macros) set in CMake.
#pragma once

#include <windows.h>
