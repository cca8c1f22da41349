// The X connection Qt already has, and what every X11 helper here asks of it.
#pragma once

#include <xcb/xcb.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string_view>

namespace talvorin {

struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

// Null on the offscreen platform, which answers as X11 without a connection.
xcb_connection_t* xcbConnection();
xcb_window_t xcbRoot(xcb_connection_t* c);
// XCB_ATOM_NONE when the server does not answer, or, with `onlyIfExists`,
// for a name no client has made yet.
xcb_atom_t xcbAtom(xcb_connection_t* c, std::string_view name, bool onlyIfExists = false);
// Makes the named atoms in one round trip, for the xcbAtom calls that follow:
// each on its own waits for the server's answer before the next is asked.
void xcbAtomsAhead(xcb_connection_t* c, std::initializer_list<std::string_view> names);
// Whether a property of atoms (_NET_SUPPORTED, _NET_WM_STATE) holds `atom`.
bool xcbAtomListHolds(const xcb_get_property_reply_t* list, xcb_atom_t atom);

}  // namespace talvorin
