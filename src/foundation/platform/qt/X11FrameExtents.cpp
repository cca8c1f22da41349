#include "platform/qt/X11FrameExtents.h"

#include <QWidget>

#include "platform/qt/Xcb.h"

namespace talvorin {

std::optional<PixelPoint> x11ClientTopLeft(QWidget& window) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return std::nullopt;
    const XcbReply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        c,
        xcb_translate_coordinates(c, static_cast<xcb_window_t>(window.winId()), xcbRoot(c), 0, 0),
        nullptr));
    if (!reply) return std::nullopt;
    return PixelPoint{reply->dst_x, reply->dst_y};
}

std::optional<FrameInset> x11FrameExtents(QWidget& window) {
    xcb_connection_t* c = xcbConnection();
    if (!c) return std::nullopt;
    const xcb_atom_t extents = xcbAtom(c, "_NET_FRAME_EXTENTS", true);
    if (extents == XCB_ATOM_NONE) return std::nullopt;
    const XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window.winId()),
                                                extents, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // left, right, top, bottom
    const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return FrameInset{static_cast<int32_t>(value[0]), static_cast<int32_t>(value[2])};
}

}  // namespace talvorin
