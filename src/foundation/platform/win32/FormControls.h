// The designed controls of a form as native child windows. Each keeps its
// design (twips) and places itself at the form's current DPI, so a move to a
// monitor with another DPI only re-runs applyDpi.
#pragma once

#include <optional>
#include <string>

#include "platform/Controls.h"
#include "platform/Design.h"
#include "platform/win32/FontFaces.h"
#include "platform/win32/ScopedWin.h"
#include "platform/win32/WinApi.h"

namespace talvorin::win32 {

// What a control needs to know about its form to place and draw itself.
struct FormMetrics {
    UINT dpi;
    LOGFONTW messageFont;     // the system's dialog font at `dpi`
    HFONT messageFontHandle;  // the same, created once by the form
};

class FormControl {
  public:
    FormControl(const ControlDesign& design, int id) : design_(design), id_(id) {}
    virtual ~FormControl() = default;
    FormControl(const FormControl&) = delete;
    FormControl& operator=(const FormControl&) = delete;

    const ControlDesign& design() const { return design_; }
    int id() const { return id_; }
    HWND hwnd() const { return hwnd_; }
    bool focusable() const;
    // The control's rectangle in the form's client area, in pixels.
    RECT pixelRect(UINT dpi) const;

    void create(HWND parent, HINSTANCE instance, const FormMetrics& metrics);
    virtual void applyDpi(const FormMetrics& metrics);

  protected:
    virtual const wchar_t* windowClass() const = 0;
    virtual DWORD style() const = 0;
    virtual DWORD exStyle() const { return 0; }
    virtual std::wstring initialText() const;
    // Handed to the window's class as its creation parameter.
    virtual const void* createParam() const { return nullptr; }
    // Where the control's window goes in `parent`'s client area.
    virtual RECT placeIn(HWND parent, UINT dpi) const;
    // Moves the window only if it is not already there.
    void place(const RECT& r);
    const RECT& placed() const { return placed_; }

    HWND hwnd_ = nullptr;

  private:
    ControlDesign design_;
    int id_;
    RECT placed_{};  // where the window was last put
};

// A label. With a transparent background the form paints it over its own
// background (see LabelWindow); otherwise it is a STATIC control.
class FormLabel final : public FormControl, public Label {
  public:
    FormLabel(const ControlDesign& design, int id, FontFaces& faces);
    ~FormLabel() override;

    void setCaption(const std::string& text) override;
    void setFontSize(double points) override;
    double textWidth(const std::string& text, double points) const override;

    void applyDpi(const FormMetrics& metrics) override;
    // The form's client area changed size: the window keeps to what is visible.
    void fitToForm();
    bool paintedByForm() const { return design().transparent; }
    // Draws the text top-left in its bounds, clipped, on a transparent background.
    void draw(HDC dc) const;
    std::optional<COLORREF> textColor() const;

  protected:
    const wchar_t* windowClass() const override;
    DWORD style() const override;
    std::wstring initialText() const override;
    // A form-painted label's window answers for its text from this one.
    const void* createParam() const override { return paintedByForm() ? &text_ : nullptr; }
    // The designed rectangle cut to the form's client area.
    RECT placeIn(HWND parent, UINT dpi) const override;

  private:
    void rebuildFont();
    // The label's face at `points` (none: the design's or the dialog font's size).
    ScopedFont fontAt(std::optional<double> points) const;
    void redraw() const;
    HFONT font() const { return ownFont_ ? ownFont_.get() : metrics_.messageFontHandle; }

    FontFaces& faces_;
    std::wstring text_;
    std::optional<double> points_;  // none: the design's or the dialog font's size
    FormMetrics metrics_{};
    ScopedFont ownFont_;
};

class EditBox final : public FormControl, public TextBox {
  public:
    using FormControl::FormControl;
    std::string text() const override;
    void setText(const std::string& text) override;

  protected:
    const wchar_t* windowClass() const override { return L"EDIT"; }
    DWORD style() const override;
    DWORD exStyle() const override { return WS_EX_CLIENTEDGE; }
};

class CheckButton final : public FormControl, public CheckBox {
  public:
    using FormControl::FormControl;
    int value() const override;
    void setValue(int value) override;

  protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }
};

class PushButton final : public FormControl {
  public:
    using FormControl::FormControl;

  protected:
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
};

}  // namespace talvorin::win32
