#include "platform/qt/X11FullScreen.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace talvorin {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t atomNamed(xcb_connection_t* c, std::string_view name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

ReplyPtr<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window,
                                            std::string_view name, xcb_atom_t type) {
    return ReplyPtr<xcb_get_property_reply_t>(xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, atomNamed(c, name), type, 0, 64), nullptr));
}

bool isFullScreen(xcb_connection_t* c, xcb_window_t window) {
    const auto states = property(c, window, "_NET_WM_STATE", XCB_ATOM_ATOM);
    if (!states || states->format != 32) return false;
    const xcb_atom_t fullScreen = atomNamed(c, "_NET_WM_STATE_FULLSCREEN");
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(states.get()));
    const int count = xcb_get_property_value_length(states.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == fullScreen) return true;
    return false;
}

// The window's centre on the root window.
QPoint centreOf(xcb_connection_t* c, xcb_window_t window, xcb_window_t root) {
    const ReplyPtr<xcb_get_geometry_reply_t> size(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    const ReplyPtr<xcb_translate_coordinates_reply_t> place(xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, root, 0, 0), nullptr));
    if (!size || !place) return {-1, -1};
    return {place->dst_x + size->width / 2, place->dst_y + size->height / 2};
}

}  // namespace

bool x11FullScreenActiveOver(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
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
