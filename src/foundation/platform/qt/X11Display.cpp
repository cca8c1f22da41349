#include "platform/qt/X11Display.h"

#include <xcb/xcb.h>

namespace talvorin {

bool x11DisplayOpens() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opens = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);  // also frees a connection in error
    return opens;
}

}  // namespace talvorin
