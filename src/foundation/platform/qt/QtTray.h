// The notification-area icon through QSystemTrayIcon: StatusNotifierItem
// over D-Bus where a host listens, XEmbed in an X11 tray otherwise.
#pragma once

#include <memory>

#include "platform/Tray.h"

namespace talvorin {

// Docks whenever a tray host runs, now or later; without one nothing shows.
std::unique_ptr<TrayIcon> createQtTrayIcon(const TrayDesign& design, TrayEvents& events);

}  // namespace talvorin
