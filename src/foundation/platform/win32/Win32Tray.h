// The notification-area icon through Shell_NotifyIconW, owned by a hidden
// tool window that receives its clicks. The shell's area is often not ready
// when the program starts (at login, under Wine): adding is retried on a
// timer, and done again whenever the shell announces a new task bar.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/Runtime.h"
// clang-format off
#include "platform/win32/WinApi.h"
#include <shellapi.h>
// clang-format on

namespace talvorin::win32 {

class Win32TrayIcon final : public TrayIcon {
  public:
    Win32TrayIcon(HINSTANCE instance, const TrayDesign& design, TrayEvents& events,
                  ErrorTrace& trace);
    ~Win32TrayIcon() override;
    Win32TrayIcon(const Win32TrayIcon&) = delete;
    Win32TrayIcon& operator=(const Win32TrayIcon&) = delete;

    void setToolTip(const std::string& text) override;
    void setChecked(std::string_view id, bool checked) override;

    // For the checks: the owner window, whether the shell holds the icon,
    // how many adds were tried, and the menu command of an item.
    HWND window() const { return window_; }
    bool added() const { return added_; }
    int attempts() const { return attempts_; }
    UINT commandOf(std::string_view id) const;
    HMENU menu() const { return menu_; }

    static constexpr UINT kCallbackMessage = WM_APP + 1;
    static constexpr UINT_PTR kRetryTimer = 1;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    NOTIFYICONDATAW data(UINT flags) const;
    void add();
    void showMenu();
    // Returns false when the icon went away during the event.
    bool command(UINT id);
    bool activated();

    ErrorTrace& trace_;
    std::shared_ptr<TrayEvents*> target_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HICON icon_ = nullptr;
    bool ownsIcon_ = false;
    std::wstring toolTip_;
    std::vector<std::string> ids_;  // by command, from kFirstCommand
    bool added_ = false;
    int attempts_ = 0;
};

}  // namespace talvorin::win32
