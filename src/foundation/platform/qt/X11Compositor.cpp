#include "platform/qt/X11Compositor.h"

#include <QString>
#include <string>

#include "platform/qt/Xcb.h"

namespace talvorin {

namespace {

// The screen number of DISPLAY (":0.1" is screen 1), as Xlib reads it.
int screenNumber() {
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.indexOf('.', colon);
    return colon >= 0 && dot > colon ? display.mid(dot + 1).toInt() : 0;
}

}  // namespace

std::optional<bool> x11CompositorRunning() {
    xcb_connection_t* c = xcbConnection();
    if (!c) return std::nullopt;
    // The compositing manager owns this selection, as the EWMH asks.
    const xcb_atom_t selection = xcbAtom(c, "_NET_WM_CM_S" + std::to_string(screenNumber()));
    if (selection == XCB_ATOM_NONE) return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
    return owner && owner->owner != XCB_NONE;
}

}  // namespace talvorin
