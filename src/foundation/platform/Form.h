// One window as the core sees it, and the events a runtime delivers back.
// Positions and sizes are twips; the runtime converts with the real DPI and
// reports the position the window really has.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ControlGeometry.h"
#include "platform/Controls.h"
#include "platform/User32.h"

namespace talvorin {

class FormView {
  public:
    virtual ~FormView() = default;

    virtual void setCaption(const std::string& text) = 0;  // UTF-8
    virtual uint32_t backColor() const = 0;                // packed RGB
    virtual void setBackColor(uint32_t rgb) = 0;
    virtual Hwnd hWnd() const = 0;

    virtual double top() const = 0;   // twips, outer frame
    virtual double left() const = 0;  // twips
    virtual void setTop(double twips) = 0;
    virtual void setLeft(double twips) = 0;
    virtual void setWidth(double twips) = 0;   // outer size, never negative
    virtual void setHeight(double twips) = 0;  // outer size, never negative
    // Puts the outer top-left at these screen pixels: the core drags a
    // window in the units the pointer moves in, so it never drifts.
    virtual void dragTo(PixelPoint topLeft) = 0;
    // The outer frame where the window system has it, in screen pixels.
    virtual PixelRect frame() const = 0;

    virtual void show() = 0;  // modeless
    virtual void hide() = 0;
    // Shows the window in front of the others with the keyboard focus, as
    // far as the window system lets a program take it.
    virtual void activate() = 0;
    // Closes the window for good; no event follows. May be called from inside
    // one of the window's own events, so free widgets late (deleteLater).
    virtual void unload() = 0;

    // Controls by their design name. An unknown name is a programming error
    // and raises InvalidProcedureCall.
    virtual Label& label(std::string_view name) = 0;
    virtual TextBox& textBox(std::string_view name) = 0;
    virtual CheckBox& checkBox(std::string_view name) = 0;
    virtual Timer& timer(std::string_view name) = 0;
};

// The primary button on a form's own surface (labels let it through), as
// the window system reported it. The core alone decides what it makes: a
// click on a control, a drag of the window, or nothing.
struct PointerEvent {
    PixelPoint screen;         // the pointer, screen pixels
    PixelPoint client;         // the pointer, client-area pixels
    PixelPoint windowTopLeft;  // the window's outer top-left, screen pixels
    double dpi = 96;           // of the window's monitor
    bool insideClient = true;  // the pointer lies within the client area
};

// The keys a form's surface reports; controls handle their own.
enum class Key { Enter, Space };

// Implemented by the core. Each entry point catches every error itself, so a
// runtime can call them straight from its event loop.
class FormEvents {
  public:
    virtual ~FormEvents() = default;
    // A click on a control that takes clicks itself (a button, a check box)
    // by its design name; an empty name is the window's surface.
    virtual void onClick(std::string_view control) noexcept = 0;
    virtual void onPointerPress(const PointerEvent& event) noexcept = 0;
    virtual void onPointerMove(const PointerEvent& event) noexcept = 0;
    virtual void onPointerRelease(const PointerEvent& event) noexcept = 0;
    // Another window took the pointer mid-press: no click, no more drag.
    virtual void onPointerCancel() noexcept = 0;
    // The pointer came over the window (true) or left it (false), pressed or not.
    virtual void onPointerOver(bool) noexcept {}
    virtual void onTimer(std::string_view timer) noexcept = 0;
    // The desktop changed under the window: a monitor came or went, a
    // resolution, DPI or work area changed, the system resumed, or the shell
    // or window manager was restarted (which forgets the topmost band).
    virtual void onDisplayChanged() noexcept {}
    // A key on the window itself, not taken by one of its controls.
    virtual void onKey(Key) noexcept {}
    // The user closed the window through its frame; the native window is
    // gone. The core releases the FormView from inside this call, so a runtime
    // must let its view be destroyed here (defer freeing its widgets).
    virtual void onClosed() noexcept = 0;
};

}  // namespace talvorin
