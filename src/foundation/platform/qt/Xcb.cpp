#include "platform/qt/Xcb.h"

#include <QGuiApplication>

namespace talvorin {

xcb_connection_t* xcbConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t xcbRoot(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

xcb_atom_t xcbAtom(xcb_connection_t* c, std::string_view name, bool onlyIfExists) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, onlyIfExists, static_cast<uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool xcbAtomListHolds(const xcb_get_property_reply_t* list, xcb_atom_t atom) {
    if (!list || list->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(list));
    const int count = xcb_get_property_value_length(list) / static_cast<int>(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i)
        if (atoms[i] == atom) return true;
    return false;
}

}  // namespace talvorin
