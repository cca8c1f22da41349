#include "platform/qt/Xcb.h"

#include <QGuiApplication>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace talvorin {

xcb_connection_t* xcbConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t xcbRoot(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

namespace {

// Atoms last as long as the server: each name is asked for once. NONE (a name
// asked for only if it exists) is not kept: a client may make it later.
struct AtomCache {
    xcb_connection_t* connection = nullptr;
    std::map<std::string, xcb_atom_t, std::less<>> atoms;
};

AtomCache& cacheFor(xcb_connection_t* c) {
    static AtomCache cache;
    if (cache.connection != c) cache = AtomCache{c, {}};
    return cache;
}

xcb_intern_atom_cookie_t askAtom(xcb_connection_t* c, std::string_view name, bool onlyIfExists) {
    return xcb_intern_atom(c, onlyIfExists, static_cast<uint16_t>(name.size()), name.data());
}

xcb_atom_t keep(AtomCache& cache, std::string_view name, xcb_intern_atom_cookie_t cookie) {
    const XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(cache.connection, cookie, nullptr));
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    if (atom != XCB_ATOM_NONE) cache.atoms.emplace(name, atom);
    return atom;
}

}  // namespace

xcb_atom_t xcbAtom(xcb_connection_t* c, std::string_view name, bool onlyIfExists) {
    AtomCache& cache = cacheFor(c);
    if (const auto known = cache.atoms.find(name); known != cache.atoms.end()) return known->second;
    return keep(cache, name, askAtom(c, name, onlyIfExists));
}

void xcbAtomsAhead(xcb_connection_t* c, std::initializer_list<std::string_view> names) {
    AtomCache& cache = cacheFor(c);
    std::vector<std::pair<std::string_view, xcb_intern_atom_cookie_t>> asked;
    for (std::string_view name : names)
        if (!cache.atoms.contains(name)) asked.emplace_back(name, askAtom(c, name, false));
    for (const auto& [name, cookie] : asked) keep(cache, name, cookie);
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
