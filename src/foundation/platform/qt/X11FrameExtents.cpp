#include "platform/qt/X11FrameExtents.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace talvorin {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

std::optional<PixelPoint> x11ClientTopLeft(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, static_cast<xcb_window_t>(window.winId()), root, 0, 0),
            nullptr),
        &std::free);
    if (!reply) return std::nullopt;
    return PixelPoint{reply->dst_x, reply->dst_y};
}

std::optional<FrameInset> x11FrameExtents(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return std::nullopt;
    constexpr std::string_view name = "_NET_FRAME_EXTENTS";
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 1, static_cast<uint16_t>(name.size()), name.data()), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return std::nullopt;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window.winId()),
                                                atom->atom, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16)
        return std::nullopt;
    // left, right, top, bottom
    const auto* value = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return FrameInset{static_cast<int32_t>(value[0]), static_cast<int32_t>(value[2])};
}

}  // namespace talvorin
