#include "program/DisplayChoice.h"

#include "program/CommandLine.h"

namespace talvorin {

DisplayChoice chooseDisplay(const DisplayEnvironment& environment) {
    const std::string& requested = environment.requestedPlatform;
    if (environment.x11Opens) {
        if (requested.empty() || requested == "xcb") return {"xcb", ""};
        return {"xcb", "talvorin: QT_QPA_PLATFORM=" + requested +
                           " not followed: the clock runs on X11 (DISPLAY=" +
                           environment.x11Display + ") to keep its place, opacity and stacking\n"};
    }
    if (environment.waylandReachable)
        return {
            "wayland",
            "talvorin: pas d'affichage X11, l'horloge s'ouvre sous Wayland, qui ne lui laisse pas "
            "sa place enregistrée, son opacité ni « toujours devant »\n"};
    return {"", noDisplayLine(environment.x11Display)};
}

}  // namespace talvorin
