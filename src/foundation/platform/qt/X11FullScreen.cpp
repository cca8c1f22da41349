#include "platform/qt/X11FullScreen.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <string_view>

#include "platform/qt/Xcb.h"

namespace talvorin {

namespace {

XcbReply<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window,
                                            std::string_view name, xcb_atom_t type) {
    return XcbReply<xcb_get_property_reply_t>(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, xcbAtom(c, name, true), type, 0, 64), nullptr));
}

bool isFullScreen(xcb_connection_t* c, xcb_window_t window) {
    return xcbAtomListHolds(property(c, window, "_NET_WM_STATE", XCB_ATOM_ATOM).get(),
                            xcbAtom(c, "_NET_WM_STATE_FULLSCREEN", true));
}

// The window's centre on the root window.
QPoint centreOf(xcb_connection_t* c, xcb_window_t window, xcb_window_t root) {
    const XcbReply<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const XcbReply<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
    if (!size || !place) return {-1, -1};
    return {place->dst_x + size->width / 2, place->dst_y + size->height / 2};
}

}  // namespace

bool x11FullScreenActiveOver(const QWidget& window) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return false;
    const xcb_window_t root = xcbRoot(c);
    const auto active = property(c, root, "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW);
    if (!active || active->format != 32 || xcb_get_property_value_length(active.get()) < 4)
        return false;
    const xcb_window_t id = *static_cast<const xcb_window_t*>(xcb_get_property_value(active.get()));
    if (id == XCB_WINDOW_NONE || id == static_cast<xcb_window_t>(window.winId()) ||
        !isFullScreen(c, id))
        return false;
    const QScreen* mine = window.screen();
    return mine && mine->geometry().contains(centreOf(c, id, root));
}

}  // namespace talvorin
