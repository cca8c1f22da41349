// A form's design as data: the window and its controls with the properties a
// runtime needs to build them. The core owns every design; a runtime only
// turns one into real widgets. Positions and sizes are twips.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace talvorin {

enum class ControlKind { Label, TextBox, CheckBox, Button, Timer };
enum class TextAlign { Left, Right };

struct FontDesign {
    std::string face;   // empty: the runtime's default face
    double points = 0;  // 0: the runtime's default size
    int weight = 400;
    // The face to draw in when `face` is not installed (empty: let the system
    // substitute), at this share of the stand-in's own width, in percent.
    std::string fallbackFace;
    int fallbackWidthPercent = 100;
};

struct ControlDesign {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    int32_t left = 0;    // twips, within the client area
    int32_t top = 0;     // twips
    int32_t width = 0;   // twips
    int32_t height = 0;  // twips
    int tabIndex = 0;
    TextAlign align = TextAlign::Left;
    std::optional<uint32_t> foreColor;  // packed RGB; none: the runtime's default
    bool transparent = false;           // labels: no background of their own
    std::optional<FontDesign> font;     // none: the runtime's default font
    int intervalMs = 0;                 // timers
    bool enabled = true;                // timers
    // The label whose caption names this control for screen readers, as the
    // label beside a field names it for the eye (empty: its own caption).
    std::string labelledBy;
};

enum class FormFrame {
    None,     // no title bar, no task-bar button: dragged by its surface
    Sizable,  // the default frame: title bar, system menu, min/max/close, task-bar button
};

// What screen readers call the window.
enum class FormRole { Window, Dialog };

struct FormDesign {
    std::string name;
    std::string caption;
    int32_t clientWidth = 0;   // twips
    int32_t clientHeight = 0;  // twips
    FormFrame frame = FormFrame::Sizable;
    bool draggableSurface = false;  // a press-and-move anywhere drags the window
    FormRole role = FormRole::Window;
    // The control whose text is the window's name for screen readers (empty:
    // the caption): a clock is named by the time it shows.
    std::string accessibleNameFrom;
    // The window itself takes the keyboard focus, and Enter and Space on it
    // reach the core (a window without controls is otherwise out of reach).
    bool keyboardFocus = false;
    // Stays in sight when the user shows the desktop (Win+D and the like).
    bool visibleOnShowDesktop = false;
    std::vector<ControlDesign> controls;
};

}  // namespace talvorin
