// Which window system the Linux program draws on, decided before the toolkit
// starts: the toolkit aborts when it cannot open the display it is told to.
// The clock keeps its place, its opacity and its place above the other
// windows only where a client may set them, that is on X11 (XWayland on a
// Wayland desktop); natively on Wayland it runs, but says what is lost.
#pragma once

#include <string>

namespace talvorin {

struct DisplayEnvironment {
    std::string requestedPlatform;  // QT_QPA_PLATFORM, may be empty
    std::string x11Display;         // DISPLAY, may be empty
    bool x11Opens = false;          // an X connection to it was made
    bool waylandReachable = false;  // a Wayland socket and the toolkit's plugin
};

struct DisplayChoice {
    std::string platform;  // the toolkit's platform; empty: nothing to run on
    std::string err;       // lines for standard error, UTF-8
};

DisplayChoice chooseDisplay(const DisplayEnvironment& environment);

}  // namespace talvorin
