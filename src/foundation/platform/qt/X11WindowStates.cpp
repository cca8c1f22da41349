#include "platform/qt/X11WindowStates.h"

#include <QWidget>
#include <cstdint>
#include <vector>

#include "platform/qt/Xcb.h"

namespace talvorin {

namespace {

// _NET_WM_DESKTOP value meaning "all desktops".
constexpr uint32_t kAllDesktops = 0xFFFFFFFF;
// _NET_WM_STATE client message actions, and the source "normal application".
constexpr uint32_t kRemove = 0;
constexpr uint32_t kAdd = 1;
constexpr uint32_t kFromApplication = 1;

bool wmSupports(xcb_connection_t* c, xcb_atom_t wanted) {
    const XcbReply<xcb_get_property_reply_t> supported(xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcbRoot(c), xcbAtom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    return xcbAtomListHolds(supported.get(), wanted);
}

// "Show desktop" hides every normal window, a clock meant to stay in view
// with them; window managers leave docks (panels, desktop widgets) in view.
// A clock above the others on every workspace is a dock in all but name, so
// it says so where the window manager has a "show desktop" at all: the
// others may treat docks as bars of their own (i3 tiles them at an edge).
void setWindowType(xcb_connection_t* c, xcb_window_t id, bool dock) {
    const bool showsDesktop = wmSupports(c, xcbAtom(c, "_NET_SHOWING_DESKTOP"));
    const xcb_atom_t type = xcbAtom(
        c, dock && showsDesktop ? "_NET_WM_WINDOW_TYPE_DOCK" : "_NET_WM_WINDOW_TYPE_NORMAL");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, xcbAtom(c, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &type);
}

}  // namespace

void setStatesBeforeMap(QWidget& window, bool above, bool desktopAccessory) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return;
    // Before the window maps, and so before its first frame: what the states
    // here and the window type after them need, asked at once.
    xcbAtomsAhead(c, {"_NET_WM_STATE", "_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR",
                      "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_STICKY", "_NET_WM_DESKTOP",
                      "_NET_SUPPORTED", "_NET_SHOWING_DESKTOP", "_NET_WM_WINDOW_TYPE",
                      "_NET_WM_WINDOW_TYPE_DOCK", "_NET_WM_WINDOW_TYPE_NORMAL"});
    const auto id = static_cast<xcb_window_t>(window.winId());
    std::vector<xcb_atom_t> states;
    if (above) states.push_back(xcbAtom(c, "_NET_WM_STATE_ABOVE"));
    if (desktopAccessory) {
        states.push_back(xcbAtom(c, "_NET_WM_STATE_SKIP_TASKBAR"));
        states.push_back(xcbAtom(c, "_NET_WM_STATE_SKIP_PAGER"));
        states.push_back(xcbAtom(c, "_NET_WM_STATE_STICKY"));
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, xcbAtom(c, "_NET_WM_DESKTOP"),
                            XCB_ATOM_CARDINAL, 32, 1, &kAllDesktops);
    }
    // Qt adds its own states to this list when it maps the window.
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, xcbAtom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM,
                        32, static_cast<uint32_t>(states.size()), states.data());
    xcb_flush(c);
}

void setTypeBeforeMap(QWidget& window, bool dock) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return;
    setWindowType(c, static_cast<xcb_window_t>(window.winId()), dock);
    xcb_flush(c);
}

void requestAbove(QWidget& window, bool above) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = xcbAtom(c, "_NET_WM_STATE");
    event.data.data32[0] = above ? kAdd : kRemove;
    event.data.data32[1] = xcbAtom(c, "_NET_WM_STATE_ABOVE");
    event.data.data32[2] = 0;
    event.data.data32[3] = kFromApplication;
    xcb_send_event(c, 0, xcbRoot(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

}  // namespace talvorin
