#include "platform/win32/Win32Tray.h"

#include <algorithm>

#include "platform/win32/WideText.h"

namespace talvorin::win32 {

namespace {

constexpr wchar_t kTrayClass[] = L"TalvorinTray";
constexpr UINT kIconUid = 1;
constexpr UINT kFirstCommand = 100;
constexpr int kIconResource = 1;
// Long enough not to wake the program often, short enough that the icon
// appears soon after the shell does; TaskbarCreated covers a later shell.
constexpr UINT kRetryMs = 2000;
constexpr int kMaxAttempts = 60;

UINT taskbarCreated() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void registerTrayClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = kTrayClass;
    RegisterClassExW(&wc);  // fails harmlessly once the class exists
}

}  // namespace

Win32TrayIcon::Win32TrayIcon(HINSTANCE instance, const TrayDesign& design, TrayEvents& events,
                             ErrorTrace& trace)
    : trace_(trace),
      target_(std::make_shared<TrayEvents*>(&events)),
      toolTip_(widen(design.toolTip)) {
    registerTrayClass(instance, windowProc);
    // A top-level window, hidden: a message-only one would miss the
    // TaskbarCreated broadcast.
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kTrayClass, L"Talvorin", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, this);
    if (!window_) {
        trace_.reportError("tray window not created: error " + std::to_string(GetLastError()));
        return;
    }
    menu_ = CreatePopupMenu();
    for (const TrayMenuItem& item : design.items) {
        if (item.id.empty()) {
            AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT command = kFirstCommand + static_cast<UINT>(ids_.size());
        ids_.push_back(item.id);
        const UINT checked = item.checkable && item.checked ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuW(menu_, MF_STRING | checked, command, widen(item.caption).c_str());
    }
    icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    ownsIcon_ = icon_ != nullptr;
    if (!icon_) icon_ = LoadIconW(nullptr, IDI_APPLICATION);  // an executable without one
    add();
}

Win32TrayIcon::~Win32TrayIcon() {
    *target_ = nullptr;
    if (added_) {
        NOTIFYICONDATAW nid = data(0);
        Shell_NotifyIconW(NIM_DELETE, &nid);
    }
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (menu_) DestroyMenu(menu_);
    if (ownsIcon_) DestroyIcon(icon_);
}

NOTIFYICONDATAW Win32TrayIcon::data(UINT flags) const {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = window_;
    nid.uID = kIconUid;
    nid.uFlags = flags;
    nid.uCallbackMessage = kCallbackMessage;
    nid.hIcon = icon_;
    const std::size_t n = std::min(toolTip_.size(), std::size(nid.szTip) - 1);
    std::copy_n(toolTip_.begin(), n, nid.szTip);
    nid.szTip[n] = L'\0';
    return nid;
}

void Win32TrayIcon::add() {
    if (!window_) return;
    ++attempts_;
    NOTIFYICONDATAW nid = data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    // After a shell restart the icon may be known still: then modifying it is enough.
    added_ = Shell_NotifyIconW(NIM_ADD, &nid) || Shell_NotifyIconW(NIM_MODIFY, &nid);
    if (added_) {
        KillTimer(window_, kRetryTimer);
        return;
    }
    if (attempts_ == 1)
        trace_.reportError("notification area not ready, the icon is added again every " +
                           std::to_string(kRetryMs / 1000) + " s");
    if (attempts_ >= kMaxAttempts) {
        KillTimer(window_, kRetryTimer);
        trace_.reportError(
            "notification area still not ready, icon left out until the shell "
            "restarts");
        return;
    }
    SetTimer(window_, kRetryTimer, kRetryMs, nullptr);
}

void Win32TrayIcon::setToolTip(const std::string& text) {
    toolTip_ = widen(text);
    if (!added_) return;
    NOTIFYICONDATAW nid = data(NIF_TIP);
    if (!Shell_NotifyIconW(NIM_MODIFY, &nid)) trace_.reportError("tray tooltip not changed");
}

void Win32TrayIcon::setChecked(std::string_view id, bool checked) {
    if (const UINT command = commandOf(id); command && menu_)
        CheckMenuItem(menu_, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

UINT Win32TrayIcon::commandOf(std::string_view id) const {
    const auto found = std::find(ids_.begin(), ids_.end(), id);
    if (found == ids_.end()) return 0;
    return kFirstCommand + static_cast<UINT>(found - ids_.begin());
}

bool Win32TrayIcon::command(UINT id) {
    if (id < kFirstCommand || id - kFirstCommand >= ids_.size()) return true;
    const std::string item = ids_[id - kFirstCommand];
    const std::shared_ptr<TrayEvents*> target = target_;
    if (*target) (*target)->onTrayItem(item);
    return *target != nullptr;
}

bool Win32TrayIcon::activated() {
    const std::shared_ptr<TrayEvents*> target = target_;
    if (*target) (*target)->onTrayActivated();
    return *target != nullptr;
}

void Win32TrayIcon::showMenu() {
    {
        const std::shared_ptr<TrayEvents*> target = target_;
        if (*target) (*target)->onTrayMenuOpening();
        if (!*target) return;
    }
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would stay open after a click elsewhere.
    SetForegroundWindow(window_);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu_, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, window_, nullptr));
    PostMessageW(window_, WM_NULL, 0, 0);
    if (chosen) command(chosen);
}

LRESULT Win32TrayIcon::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated() && taskbarCreated() != 0) {
        added_ = false;
        attempts_ = 0;
        add();
        return 0;
    }
    switch (message) {
        case kCallbackMessage:
            switch (LOWORD(lParam)) {
                case WM_LBUTTONUP:
                    activated();
                    break;
                case WM_RBUTTONUP:
                case WM_CONTEXTMENU:
                    showMenu();
                    break;
                default:
                    break;
            }
            return 0;
        case WM_COMMAND:
            command(LOWORD(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kRetryTimer) {
                KillTimer(window_, kRetryTimer);
                add();
            }
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK Win32TrayIcon::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32TrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || message == WM_NCCREATE) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (!self->window_) self->window_ = hwnd;  // messages sent while it is being created
    return self->handle(message, wParam, lParam);
}

}  // namespace talvorin::win32
