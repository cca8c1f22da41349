#include "platform/qt/X11Compositor.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QString>
#include <cstdlib>
#include <memory>
#include <string>

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
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return std::nullopt;
    // The compositing manager owns this selection, as the EWMH asks.
    const std::string name = "_NET_WM_CM_S" + std::to_string(screenNumber());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data()), nullptr),
        &std::free);
    if (!atom) return false;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

}  // namespace talvorin
