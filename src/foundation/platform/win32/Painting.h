// Painting without flicker and without churn: a form draws into a memory
// bitmap the size of its client area, kept from one paint to the next, and
// copies the repainted part to the window in one step. The clock repaints
// every second, so nothing is allocated per paint.
#pragma once

#include <functional>
#include <optional>

#include "platform/win32/ScopedWin.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

class BackBuffer {
  public:
    BackBuffer() = default;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // Handles WM_PAINT for `hwnd`; `paint` draws the whole client area.
    void paint(HWND hwnd, const std::function<void(HDC)>& paint);
    // The client area changed size (or DPI): the next paint makes a new bitmap.
    void drop();

  private:
    bool fit(HDC like, SIZE size);

    SIZE size_{};
    // Declared in the order they are made: the bitmap is unselected before
    // it is deleted, and the DC deleted last.
    std::optional<MemoryDC> dc_;
    ScopedBitmap bitmap_;
    std::optional<SelectedObject> selected_;
};

// The window class of labels with a transparent background. Their form
// draws their text in its own paint, so such a label never paints: its
// window is there for what it says (its caption names it to screen readers)
// and where (its rectangle). Mouse input passes through to the form, which
// decides what a press on the label means.
void registerLabelClass(HINSTANCE instance);

}  // namespace talvorin::win32
