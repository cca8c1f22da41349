// The window procedure of a form: Windows messages in, the core's events out.
// An event can end with the core releasing this form (the close of its frame,
// "Oui" to the quit prompt), so a handler returns as soon as an event has been
// delivered unless alive_ says the form is still there.
#include <windowsx.h>

#include "platform/ControlGeometry.h"
#include "platform/win32/Painting.h"
#include "platform/win32/Win32Form.h"
#include "platform/win32/WinApi.h"

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
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_PAINT:
            paintBuffered(hwnd_, [this](HDC dc) { paintScene(dc); });
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
            return onButtonUp();
        case WM_CAPTURECHANGED:  // another window took the mouse: no click, no drag
            if (reinterpret_cast<HWND>(lParam) != hwnd_) {
                gesture_.cancel();
                pressed_ = false;
            }
            return 0;
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_TIMER:
            return onTimer(static_cast<UINT_PTR>(wParam));
        case WM_TIMECHANGE:
        case WM_SETTINGCHANGE:
            onClockChanged();
            break;  // and the default handling
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMRESUMEAUTOMATIC) onClockChanged();
            return TRUE;
        case WM_ACTIVATE:
            onActivate(wParam);
            return 0;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            ShowWindow(hwnd_, SW_HIDE);
            events_.onClosed();  // the core releases this form from inside
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
    FillRect(dc, &client, backBrush_);
    for (const FormLabel* label : labels_)
        if (label->paintedByForm()) label->draw(dc);
}

LRESULT Win32Form::colorControl(HDC dc, HWND control) {
    SetBkColor(dc, static_cast<COLORREF>(backColor_));
    COLORREF text = GetSysColor(COLOR_BTNTEXT);
    for (const FormLabel* label : labels_)
        if (label->hwnd() == control) text = label->textColor().value_or(text);
    SetTextColor(dc, text);
    return reinterpret_cast<LRESULT>(backBrush_);
}

// --- Mouse: clicks, and drags of a window without a title bar ----------------

std::string Win32Form::controlAt(POINT client) const {
    return labelAt(design_, PixelPoint{client.x, client.y}, dpi_);
}

void Win32Form::onButtonDown() {
    pressed_ = true;
    if (design_.draggableSurface) {
        const RECT r = windowRect();
        gesture_.press(messageCursor(), PixelPoint{r.left, r.top});
    }
    SetCapture(hwnd_);
}

void Win32Form::onMouseMove() {
    if (!gesture_.pressed()) return;
    if (auto topLeft = gesture_.move(messageCursor())) moveTo(topLeft->x, topLeft->y);
}

LRESULT Win32Form::onButtonUp() {
    if (!pressed_) return 0;
    pressed_ = false;
    const bool click = design_.draggableSurface ? gesture_.release() : true;
    if (GetCapture() == hwnd_) ReleaseCapture();
    if (!click) return 0;
    const PixelPoint cursor = messageCursor();
    POINT at{cursor.x, cursor.y};
    ScreenToClient(hwnd_, &at);
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!PtInRect(&client, at)) return 0;  // released outside: no click
    events_.onClick(controlAt(at));
    return 0;
}

// --- Buttons and check boxes -------------------------------------------------

void Win32Form::onCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED || lParam == 0) return;  // Enter and Escape: nothing
    const int id = LOWORD(wParam);
    for (const auto& c : controls_)
        if (c->id() == id && (c->design().kind == ControlKind::Button ||
                              c->design().kind == ControlKind::CheckBox)) {
            events_.onClick(c->design().name);
            return;
        }
}

// --- Timers ------------------------------------------------------------------

LRESULT Win32Form::onTimer(UINT_PTR id) {
    for (auto& t : timers_) {
        if (t->id() != id) continue;
        t->rearm();  // before the tick, which may disable it
        if (t->enabled()) events_.onTimer(t->name());
        return 0;
    }
    return 0;
}

LRESULT Win32Form::onClockChanged() {
    // The wall clock jumped (time, time zone, resume): tick now and realign
    // on the new second boundaries, instead of showing a stale time.
    auto alive = alive_;
    for (size_t i = 0; i < timers_.size() && *alive; ++i) {
        FormTimer& t = *timers_[i];
        if (!t.enabled()) continue;
        t.rearm();
        events_.onTimer(t.name());
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
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyDpi(dpi);
}

}  // namespace talvorin::win32
