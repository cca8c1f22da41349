// The window procedure of a form: Windows messages in, the core's events out.
// An event can end with the core releasing this form (the close of its frame,
// "Oui" to the quit prompt), so a handler touches nothing of the form after
// an event unless the sink says it is still attached.
#include <windowsx.h>

#include "platform/win32/Painting.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/Win32Runtime.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WindowRect.h"

namespace talvorin::win32 {

namespace {

PixelPoint messageCursor() {
    // Where the pointer was when the message was queued, in screen pixels:
    // the window moves under the pointer during a drag, so client
    // coordinates would drift.
    const DWORD pos = GetMessagePos();
    return PixelPoint{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
}

}  // namespace

LRESULT CALLBACK Win32Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* form = static_cast<Win32Form*>(create->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    return form->onMessage(message, wParam, lParam);
}

LRESULT Win32Form::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Sent to every top-level window when the shell (re)starts; a new shell
    // may have lost the topmost band.
    static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    if (message == taskbarCreated && taskbarCreated != 0) {
        runtime_.shellStarted();
        onDisplayChanged();
        return 0;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_PAINT:
            buffer_.paint(hwnd_, [this](HDC dc) { paintScene(dc); });
            runtime_.formPainted();
            return 0;
        case WM_SIZE:
            buffer_.drop();
            for (FormLabel* label : labels_) label->fitToForm();
            return 0;
        case WM_PRINTCLIENT:
            paintScene(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return colorControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_LBUTTONDOWN:
            onButtonDown();
            return 0;
        case WM_MOUSEMOVE:
            onMouseMove();
            return 0;
        case WM_LBUTTONUP:
            onButtonUp();
            return 0;
        case WM_MOUSELEAVE:
            pointerOver_ = false;
            sink_.deliver([](FormEvents& e) { e.onPointerOver(false); });
            return 0;
        case WM_CAPTURECHANGED:  // another window took the mouse: no click, no drag
            if (pressed_ && reinterpret_cast<HWND>(lParam) != hwnd_) {
                pressed_ = false;
                sink_.deliver([](FormEvents& e) { e.onPointerCancel(); });
            }
            return 0;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_KEYDOWN:
            // Only a form designed to take the focus itself: its controls have their own keys.
            if (design_.keyboardFocus && !(lParam & (1 << 30)) &&
                (wParam == VK_RETURN || wParam == VK_SPACE)) {
                const Key key = wParam == VK_RETURN ? Key::Enter : Key::Space;
                sink_.deliver([key](FormEvents& e) { e.onKey(key); });
                return 0;
            }
            break;
        case WM_TIMER:
            return onTimer(static_cast<UINT_PTR>(wParam));
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA && !onDisplayChanged()) return 0;
            [[fallthrough]];
        case WM_TIMECHANGE:
            onClockChanged();
            break;  // and the default handling
        case WM_DISPLAYCHANGE:
            onDisplayChanged();
            return 0;
        case WM_POWERBROADCAST:
            // Monitors may have come or gone during the sleep.
            if (wParam == PBT_APMRESUMEAUTOMATIC && onDisplayChanged()) onClockChanged();
            return TRUE;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            ShowWindow(hwnd_, SW_HIDE);
            sink_.deliver([](FormEvents& e) { e.onClosed(); });  // the core lets go of the form
            return 0;
        case WM_NCDESTROY:
            forgetWindow();
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// --- Drawing -----------------------------------------------------------------

void Win32Form::paintScene(HDC dc) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, backBrush_.get());
    for (const FormLabel* label : labels_)
        if (label->paintedByForm()) label->draw(dc);
}

LRESULT Win32Form::colorControl(HDC dc, HWND control) {
    SetBkColor(dc, static_cast<COLORREF>(backColor_));
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    for (const FormLabel* label : labels_)
        if (label->hwnd() == control) text = label->textColor().value_or(text);
    SetTextColor(dc, text);
    return reinterpret_cast<LRESULT>(backBrush_.get());
}

// --- Mouse: clicks, and drags of a window without a title bar ----------------

PointerEvent Win32Form::pointerEvent() const {
    const PixelPoint screen = messageCursor();
    POINT client{screen.x, screen.y};
    ScreenToClient(hwnd_, &client);
    RECT area;
    GetClientRect(hwnd_, &area);
    const RECT outer = windowRect();
    return PointerEvent{screen, PixelPoint{client.x, client.y}, PixelPoint{outer.left, outer.top},
                        static_cast<double>(dpi_), PtInRect(&area, client) != FALSE};
}

void Win32Form::onButtonDown() {
    pressed_ = true;
    SetCapture(hwnd_);
    const PointerEvent event = pointerEvent();
    sink_.deliver([&](FormEvents& e) { e.onPointerPress(event); });
}

void Win32Form::onMouseMove() {
    if (!pointerOver_) {
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd_, 0};
        pointerOver_ = TrackMouseEvent(&leave) != FALSE;
        if (!sink_.deliver([](FormEvents& e) { e.onPointerOver(true); })) return;
    }
    if (!pressed_) return;
    const PointerEvent event = pointerEvent();
    sink_.deliver([&](FormEvents& e) { e.onPointerMove(event); });
}

void Win32Form::onButtonUp() {
    if (!pressed_) return;
    pressed_ = false;
    const PointerEvent event = pointerEvent();
    // Released before the event: a click may open a modal box.
    if (GetCapture() == hwnd_) ReleaseCapture();
    sink_.deliver([&](FormEvents& e) { e.onPointerRelease(event); });
}

// --- Buttons and check boxes -------------------------------------------------

void Win32Form::onCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED || lParam == 0) return;  // Enter and Escape: nothing
    const int id = LOWORD(wParam);
    for (const auto& c : controls_)
        if (c->id() == id && (c->design().kind == ControlKind::Button ||
                              c->design().kind == ControlKind::CheckBox)) {
            const std::string name = c->design().name;
            sink_.deliver([&](FormEvents& e) { e.onClick(name); });
            return;
        }
}

// --- Timers ------------------------------------------------------------------

LRESULT Win32Form::onTimer(UINT_PTR id) {
    for (auto& t : timers_) {
        if (t->id() != id) continue;
        // Armed before the tick, which may disable it.
        if (t->expired() && t->enabled()) {
            const std::string name = t->name();
            sink_.deliver([&](FormEvents& e) { e.onTimer(name); });
        }
        return 0;
    }
    return 0;
}

LRESULT Win32Form::onClockChanged() {
    // The wall clock jumped (time, time zone, resume): tick now and realign
    // on the new second boundaries, instead of showing a stale time.
    for (size_t i = 0; i < timers_.size(); ++i) {
        FormTimer& t = *timers_[i];
        if (!t.enabled()) continue;
        t.rearm();
        const std::string name = t.name();
        if (!sink_.deliver([&](FormEvents& e) { e.onTimer(name); })) return 0;
    }
    return 0;
}

// --- Focus and DPI -----------------------------------------------------------

void Win32Form::onActivate(WPARAM wParam) {
    // As a dialog does: the focus returns to the control that had it.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

void Win32Form::onDpiChanged(UINT dpi, const RECT& suggested) {
    moveWindowTo(hwnd_, suggested);
    applyDpi(dpi);
    onDisplayChanged();
}

bool Win32Form::onDisplayChanged() {
    return sink_.deliver([](FormEvents& e) { e.onDisplayChanged(); });
}

}  // namespace talvorin::win32
