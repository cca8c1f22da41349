// Whether the X display the program would use can be opened at all, asked
// before Qt is started: Qt aborts when it cannot open its display.
#pragma once

namespace talvorin {

bool x11DisplayOpens();

}  // namespace talvorin
