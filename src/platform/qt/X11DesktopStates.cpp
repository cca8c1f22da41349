#include "platform/qt/X11DesktopStates.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace talvorin {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t value = reply->atom;
    std::free(reply);
    return value;
}

// _NET_WM_DESKTOP value meaning "all desktops".
constexpr uint32_t kAllDesktops = 0xFFFFFFFF;

}  // namespace

void markAsDesktopAccessory(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, but without a connection.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    const auto id = static_cast<xcb_window_t>(window.winId());

    const std::array<xcb_atom_t, 3> states = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                              atom(connection, "_NET_WM_STATE_SKIP_PAGER"),
                                              atom(connection, "_NET_WM_STATE_STICKY")};
    // Qt adds its own states (such as "above") to this list when it maps the window.
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, states.size(), states.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &kAllDesktops);
    xcb_flush(connection);
}

}  // namespace talvorin
