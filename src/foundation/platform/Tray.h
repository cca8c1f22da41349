// The notification-area icon: the core designs it as data (tooltip, menu),
// a runtime shows it with the program's own icon and hands back what the
// user chose. Destroying the TrayIcon removes the icon.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace talvorin {

struct TrayMenuItem {
    std::string id;  // what the runtime reports back when it is chosen
    std::string caption;
    bool checkable = false;
    bool checked = false;
};

struct TrayDesign {
    std::string toolTip;
    std::vector<TrayMenuItem> items;  // in menu order
};

// Implemented by the core; each entry point catches every error itself.
// The core may destroy the TrayIcon from inside either call.
class TrayEvents {
  public:
    virtual ~TrayEvents() = default;
    virtual void onTrayItem(std::string_view id) noexcept = 0;
    // The primary button on the icon itself.
    virtual void onTrayActivated() noexcept = 0;
    // The menu is about to show: the last moment to make its check marks true.
    virtual void onTrayMenuOpening() noexcept {}
};

class TrayIcon {
  public:
    virtual ~TrayIcon() = default;
    virtual void setToolTip(const std::string& text) = 0;
    virtual void setChecked(std::string_view id, bool checked) = 0;
};

class Tray {
  public:
    virtual ~Tray() = default;
    // Null when the desktop has no notification area at all; an area that is
    // only late (the shell still starting) gets the icon once it is ready.
    virtual std::unique_ptr<TrayIcon> createTrayIcon(const TrayDesign& design,
                                                     TrayEvents& events) = 0;
};

}  // namespace talvorin
