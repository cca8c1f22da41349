#include "platform/qt/X11WindowStates.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace talvorin {

namespace {

// _NET_WM_DESKTOP value meaning "all desktops".
constexpr uint32_t kAllDesktops = 0xFFFFFFFF;
// _NET_WM_STATE client message actions, and the source "normal application".
constexpr uint32_t kRemove = 0;
constexpr uint32_t kAdd = 1;
constexpr uint32_t kFromApplication = 1;

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 too, but without a connection.
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.data());
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t value = reply->atom;
    std::free(reply);
    return value;
}

xcb_window_t rootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

bool wmSupports(xcb_connection_t* c, xcb_atom_t wanted) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, rootOf(c), atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / static_cast<int>(sizeof(xcb_atom_t));
    bool found = false;
    for (int i = 0; i < count && !found; ++i) found = atoms[i] == wanted;
    std::free(reply);
    return found;
}

// "Show desktop" hides every normal window, a clock meant to stay in view
// with them; window managers leave docks (panels, desktop widgets) in view.
// A clock above the others on every workspace is a dock in all but name, so
// it says so where the window manager has a "show desktop" at all: the
// others may treat docks as bars of their own (i3 tiles them at an edge).
void setWindowType(xcb_connection_t* c, xcb_window_t id, bool dock) {
    const bool showsDesktop = wmSupports(c, atom(c, "_NET_SHOWING_DESKTOP"));
    const xcb_atom_t type =
        atom(c, dock && showsDesktop ? "_NET_WM_WINDOW_TYPE_DOCK" : "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                        32, 1, &type);
}

}  // namespace

void setStatesBeforeMap(QWidget& window, bool above, bool desktopAccessory) {
    xcb_connection_t* c = connection();
    if (!c) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    std::vector<xcb_atom_t> states;
    if (above) states.push_back(atom(c, "_NET_WM_STATE_ABOVE"));
    if (desktopAccessory) {
        states.push_back(atom(c, "_NET_WM_STATE_SKIP_TASKBAR"));
        states.push_back(atom(c, "_NET_WM_STATE_SKIP_PAGER"));
        states.push_back(atom(c, "_NET_WM_STATE_STICKY"));
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_DESKTOP"),
                            XCB_ATOM_CARDINAL, 32, 1, &kAllDesktops);
    }
    // Qt adds its own states to this list when it maps the window.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(c);
}

void setTypeBeforeMap(QWidget& window, bool dock) {
    xcb_connection_t* c = connection();
    if (!c) return;
    setWindowType(c, static_cast<xcb_window_t>(window.winId()), dock);
    xcb_flush(c);
}

void requestAbove(QWidget& window, bool above) {
    xcb_connection_t* c = connection();
    if (!c) return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = atom(c, "_NET_WM_STATE");
    event.data.data32[0] = above ? kAdd : kRemove;
    event.data.data32[1] = atom(c, "_NET_WM_STATE_ABOVE");
    event.data.data32[2] = 0;
    event.data.data32[3] = kFromApplication;
    xcb_send_event(c, 0, rootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

}  // namespace talvorin
